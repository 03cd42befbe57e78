#pragma once
// Which form a report is saved in, chosen by the output name as the preview
// window's save does.
#include <filesystem>

enum class TOutputKind { Workbook, PageImages, SeparatedValues, Pdf, Png, PageText };

// The lower-cased name containing ".xml": a workbook; else ".zip": page
// images; else ".csv": separated values; else ".pdf": a PDF; else ending in
// ".png": a PNG picture per page; anything else: page text.
TOutputKind OutputKindFor(const std::filesystem::path& fileName);
