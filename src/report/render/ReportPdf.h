#pragma once
// The built pages as one PDF file: each page in its own size and
// orientation, its texts as real (selectable, searchable) text.
#include <filesystem>
#include <string>

class IReport3;

// The PDF's bytes; raises EReportError for a report without pages.
std::string ReportPdfBytes(IReport3& report);

// Written through a temporary file; raises EFileError when it cannot be.
void WriteReportPdf(IReport3& report, const std::filesystem::path& fileName);
