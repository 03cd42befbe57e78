#pragma once
// Readies a report for printing, as the editor's "Печать", the main
// window's print and its register do before the preview: no report code,
// the variables in their order, 8 mm margins and the template of the
// working directory.
#include "report/ReportInterfaces.h"
#include "statement/PrintVariables.h"

#include <filesystem>

// The margins of the printed form and of the register, whole millimetres.
inline constexpr TIntRect kStatementMargins{8, 8, 8, 8};

// Loads the statement's form into a new `report`; build and show it next.
// Raises EFileError naming the template and `directory` when the template
// is not there, before anything is set; template errors pass through.
void LoadStatementReport(IReport3& report, const TVariableList& variables,
                         const std::filesystem::path& directory);

// The same with the register's template and variables (StatementRegister.h).
void LoadRegisterReport(IReport3& report, const TVariableList& variables,
                        const std::filesystem::path& directory);
