#pragma once
// What the report engine needs from the layers above it: text measuring, the
// exports that walk the layout, page drawing, printing and the preview. The
// program and report3 fill one of these and hand it to each report they make;
// an empty member means the operation is not available in that program.
#include "report/MeasuringCanvas.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class IReport3;
class IReport3Canvas;
class IReport3Page;

// A page drawn once and kept for replaying; made and used by the drawing layer.
class IPageImage {
public:
    virtual ~IPageImage() = default;
};

// The arguments of a chart drawn into a page text (IReport3Text::DrawChart).
struct TChartRequest {
    std::vector<std::string> Labels;
    // 0 a line chart, anything else bars.
    int Kind = 0;
    std::vector<std::string> SeriesNames;
    // Non-zero: a legend of the series names.
    int Option = 0;
    // One run of Labels.size() values per series.
    std::vector<double> Values;
    // The text box in pixels of the picture (10 per millimetre).
    int Width = 0;
    int Height = 0;
};

struct TReportServices {
    // The canvas each Build measures auto-height cells on.
    TMeasuringCanvasFactory MeasuringCanvas{};
    // The workbook and the separated values of the report's rows.
    std::function<void(const IReport3&, const std::filesystem::path& fileName)> ExportWorkbook{};
    std::function<void(const IReport3&, const std::filesystem::path& fileName)> ExportText{};
    // Draws the page's texts into a new page image (frame codes are written back).
    std::function<std::shared_ptr<const IPageImage>(IReport3Page&)> RenderPage{};
    // Shows a page image on a canvas at a zoom percentage and pixel offsets,
    // with the page's outline and shadow.
    std::function<void(const IPageImage&, IReport3Canvas&, std::int32_t zoom, std::int32_t x,
                       std::int32_t y)>
        DrawPage{};
    // Plays a page image onto the printer's current page.
    std::function<void(const IPageImage&)> PrintPage{};
    // Writes the page as a metafile file.
    std::function<void(IReport3Page&, const std::filesystem::path& fileName)> SaveMetafile{};
    // The bytes of a metafile holding the chart.
    std::function<std::string(const TChartRequest&)> DrawChart{};
    // Prints the built pages; with the dialog the user picks copies and
    // pages. A page that fails raises the error that tells the user.
    std::function<void(IReport3&, bool withDialog)> PrintReport{};
    // The printer set-up dialog.
    std::function<void()> PrinterSetup{};
    // Shows the built report in the preview window, modally.
    std::function<void(IReport3&)> Preview{};
};
