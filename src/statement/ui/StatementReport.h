#pragma once
// Printing one statement: its variables handed to a new report with the
// statement template of the working directory, then the report's preview.
#include "report/ReportServices.h"
#include "statement/PrintVariables.h"

#include <filesystem>

// Raises EFileError naming the template and the folder when the template is
// not in `directory`, before any report is made; errors of the template pass
// through as the engine raises them.
void PrintStatementReport(const TVariableList& variables, const TReportServices& services,
                          const std::filesystem::path& directory);
