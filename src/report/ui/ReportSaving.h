#pragma once
// Saving a built report from the preview, in the form its file name asks for.
#include <filesystem>
#include <string>

class TReport3;

// The forms a report is saved in from the preview.
enum class TSaveForm { Workbook, PageImages, SeparatedValues, Pdf, PageText };

// By the lower-cased name: containing ".xml" a workbook, else ".zip" page
// images, else ".csv" separated values, else ".pdf" a PDF, else page text.
TSaveForm SaveFormFor(const std::filesystem::path& fileName);

// Writes the report in that form; errors of the file system are raised.
void SaveReportAs(TReport3& report, const std::filesystem::path& fileName);

// The save dialog's filter: one choice per form, page text first.
inline constexpr const char* kSaveFilter =
    "Отчеты (*.rp3);;Excel (*.xml);;Изображения страниц в архиве ZIP (*.zip);;CSV (*.csv);;"
    "PDF (*.pdf)";
