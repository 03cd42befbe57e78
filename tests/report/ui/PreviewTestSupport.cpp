#include "PreviewTestSupport.h"

#include "report/ReportInterfaces.h"
#include "report/TReport3Page.h"

namespace preview_test {

std::shared_ptr<TReport3> MakeQtReport(std::shared_ptr<IReportPrinter> printer) {
    return TReport3::Create(MakeQtReportServices(std::move(printer)));
}

std::shared_ptr<TReport3> MakePages(std::int32_t count) {
    auto report = TReport3::Create();
    report->GetPage(count);
    return report;
}

std::shared_ptr<IReport3Text> AddText(TReport3& report, std::int32_t page, double x, double y,
                                      double w, double h, const std::string& text) {
    auto added = report.GetPage(page)->AddText();
    added->SetX(Mm(x));
    added->SetY(Mm(y));
    added->SetW(Mm(w));
    added->SetH(Mm(h));
    added->SetText(text);
    return added;
}

bool PageIsStale(TReport3& report, std::int32_t page) {
    return std::dynamic_pointer_cast<TReport3Page>(report.GetPage(page))->IsStale();
}

} // namespace preview_test
