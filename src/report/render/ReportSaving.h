#pragma once
// Saving a built report in the form its file name asks for, from the preview
// or from the report3 command.
#include <filesystem>

class TReport3;

// The forms a report is saved in.
enum class TSaveForm { Workbook, PageImages, SeparatedValues, Pdf, Png, PageText };

// By the lower-cased name: containing ".xml" a workbook, else ".zip" page
// images, else ".csv" separated values, else ".pdf" a PDF; else, where
// `pictures` allows them, ending in ".png" a PNG picture per page; else page
// text. The preview offers no pictures; the command does.
TSaveForm SaveFormFor(const std::filesystem::path& fileName, bool pictures = false);

// Writes the report in that form; errors of the file system are raised.
void SaveReportAs(TReport3& report, const std::filesystem::path& fileName, TSaveForm form);
