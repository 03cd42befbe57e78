#pragma once
// Readies a report for printing one statement, as the editor's "Печать" and
// the main window's print do before the preview: no report code, the
// statement's variables in their order, 8 mm margins and the form template
// of the working directory.
#include "report/ReportInterfaces.h"
#include "statement/PrintVariables.h"

#include <filesystem>

// The margins of the printed form, whole millimetres.
inline constexpr TIntRect kStatementMargins{8, 8, 8, 8};

// Loads the form into a new `report`; build and show it next. Raises
// EFileError naming the template and `directory` when the template is not
// there, before anything is set; template errors pass through.
void LoadStatementReport(IReport3& report, const TVariableList& variables,
                         const std::filesystem::path& directory);
