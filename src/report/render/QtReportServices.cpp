#include "report/render/QtReportServices.h"

#include "report/export/ReportExport.h"
#include "report/render/PageImage.h"
#include "report/render/PageMetafile.h"
#include "report/render/QtMeasuringCanvas.h"
#include "report/render/QtPrinter.h"
#include "report/render/ReportCanvas.h"
#include "report/render/ReportChart.h"
#include "report/render/ReportPrinter.h"

namespace {

// The printer the services print on, made when first asked for.
class TPrinterSlot {
public:
    explicit TPrinterSlot(std::shared_ptr<IReportPrinter> printer) : printer_(std::move(printer)) {}

    IReportPrinter& Get() {
        if (printer_ == nullptr) {
            printer_ = std::make_shared<TQtPrinter>();
        }
        return *printer_;
    }

private:
    std::shared_ptr<IReportPrinter> printer_;
};

const TPageImage& AsPageImage(const IPageImage& image) {
    return dynamic_cast<const TPageImage&>(image);
}

} // namespace

TReportServices MakeQtReportServices(std::shared_ptr<IReportPrinter> printer) {
    const auto slot = std::make_shared<TPrinterSlot>(std::move(printer));
    TReportServices services;
    services.MeasuringCanvas = QtMeasuringCanvasFactory();
    services.ExportWorkbook = [](const IReport3& report, const std::filesystem::path& fileName) {
        ExportWorkbook(report, fileName);
    };
    services.ExportText = [](const IReport3& report, const std::filesystem::path& fileName) {
        ExportText(report, fileName);
    };
    services.RenderPage = [](IReport3Page& page) {
        return std::make_shared<const TPageImage>(page);
    };
    services.DrawPage = [](const IPageImage& image, IReport3Canvas& canvas, std::int32_t zoom,
                           std::int32_t x, std::int32_t y) {
        ShowPageImage(AsPageImage(image), canvas.Painter(), zoom, x, y);
    };
    services.PrintPage = [slot](const IPageImage& image) {
        PrintPageImage(AsPageImage(image), slot->Get());
    };
    services.SaveMetafile = &SavePageMetafile;
    services.DrawChart = &ChartMetafileBytes;
    services.PrintReport = [slot](IReport3& report, bool withDialog) {
        PrintReport(report, slot->Get(), withDialog);
    };
    services.PrinterSetup = [slot] { slot->Get().SetUp(); };
    return services;
}
