// From "print" to the preview's first page on the screen: the template
// interpreted and built, the preview window made and shown, the page image
// drawn and painted, on the offscreen platform, for one page of the sample
// template.
#include "BenchApplication.h"
#include "report/TReport3.h"
#include "report/TReport3Page.h"
#include "report/render/QtReportServices.h"
#include "report/ui/TfmReport3Preview.h"
#include "report/ui/TfmReport3TextEditor.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void PrintToFirstPaint(benchmark::State& state) {
    BenchApplication();
    const std::string templateFile =
        (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "sample.rt3")
            .string();
    const TReportServices services = MakeQtReportServices();
    for (auto _ : state) {
        const auto report = TReport3::Create(services);
        report->SetVariable("Title", "Sample", false);
        report->LoadTemplate(templateFile);
        report->Build();
        TfmReport3TextEditor editor;
        TfmReport3Preview preview(*report, editor);
        preview.show();
        QApplication::processEvents();
        const auto page = std::dynamic_pointer_cast<TReport3Page>(report->GetPage(1));
        if (page->IsStale()) {
            preview.pb->repaint();
        }
        if (page->IsStale()) {
            state.SkipWithError("the page was not painted");
            return;
        }
    }
}
BENCHMARK(PrintToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
