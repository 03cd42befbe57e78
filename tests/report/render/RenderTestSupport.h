#pragma once
// Reports drawn with the program's Qt services, and ways to look at pixels.
#include "report/TReport3.h"
#include "report/render/QtReportServices.h"
#include "report/render/ReportPrinter.h"
#include "support/emf/EmfTestSupport.h"

#include <QImage>

#include <filesystem>

#include <memory>
#include <string>

namespace render_test {

// Millimetres as a length.
constexpr TLength Mm(double mm) {
    return static_cast<TLength>(mm * kLengthPerMm + 0.5);
}

inline std::shared_ptr<TReport3> MakeQtReport(std::shared_ptr<IReportPrinter> printer = {}) {
    return TReport3::Create(MakeQtReportServices(std::move(printer)));
}

// A page text at (x, y) mm of w x h mm.
std::shared_ptr<IReport3Text> AddBox(IReport3Page& page, double x, double y, double w, double h,
                                     const std::string& text = "", const std::string& frame = "");

// Whether the pixel is (nearly) black / white.
bool IsBlack(const QImage& image, int x, int y);
bool IsWhite(const QImage& image, int x, int y);

// The dark pixels of a row or column as "#" and "." from `from` for `count` pixels.
std::string RowInk(const QImage& image, int y, int from, int count);
std::string ColumnInk(const QImage& image, int x, int from, int count);

// Whether any pixel of the rectangle is not white.
bool HasInk(const QImage& image, const QRect& rect);

using emf_test::DarkBounds;
using emf_test::DifferentPixels;

} // namespace render_test

namespace render_test {

// The standard output of a shell command; empty when it fails.
std::string CommandOutput(const std::string& command);

// "pdfinfo" of a file ("Pages:", "Page size:" lines), with `options` before the name.
std::string PdfInfo(const std::filesystem::path& pdf, const std::string& options = "");

// The text pdftotext finds in a file, in Windows-1251.
std::string PdfText(const std::filesystem::path& pdf);

} // namespace render_test
