#pragma once
// The report's rows and cells as a spreadsheet workbook and as separated
// values. Both are made from the layout, not from built pages, so the report
// need not be built. A file that cannot be written raises EFileError and leaves any previous file
// as it was.
#include "report/ReportInterfaces.h"
#include "report/export/ExcelXML.h"

#include <filesystem>
#include <string>

// The workbook writer holding the report's grid of merged, styled cells.
TExcelXML BuildWorkbook(const IReport3& report);

// Writes BuildWorkbook's file.
void ExportWorkbook(const IReport3& report, const std::filesystem::path& fileName);

// The cell texts, a line for each top edge: "A;B;" ended by CR LF.
std::string SeparatedValues(const IReport3& report);

// Writes SeparatedValues to the file.
void ExportText(const IReport3& report, const std::filesystem::path& fileName);
