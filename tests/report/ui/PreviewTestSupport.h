#pragma once
// Reports made for the preview's tests: pages of page texts placed by hand.
#include "report/TReport3.h"
#include "report/render/QtReportServices.h"

#include <memory>
#include <string>

namespace preview_test {

// Millimetres as a length.
constexpr TLength Mm(double mm) {
    return static_cast<TLength>(mm * kLengthPerMm + 0.5);
}

// A report drawing and exporting through Qt, printing on `printer` when given.
std::shared_ptr<TReport3> MakeQtReport(std::shared_ptr<IReportPrinter> printer = {});

// A report of `count` empty portrait pages (no services).
std::shared_ptr<TReport3> MakePages(std::int32_t count);

// Adds a page text (x, y, w, h in millimetres) to a page.
std::shared_ptr<IReport3Text> AddText(TReport3& report, std::int32_t page, double x, double y,
                                      double w, double h, const std::string& text);

// Whether the page's image waits to be drawn again.
bool PageIsStale(TReport3& report, std::int32_t page);

} // namespace preview_test
