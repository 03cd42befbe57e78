// From "print" to the preview's first page on the screen: the template
// interpreted and built, the preview window made and shown, the page image
// drawn and painted, on the offscreen platform, for one page of the sample
// template and for a statement printed on the bank form.
#include "BenchApplication.h"
#include "FirstPaint.h"
#include "report/TReport3.h"
#include "report/render/QtReportServices.h"
#include "statement/DocumentEditorState.h"
#include "statement/StatementReport.h"
#include "store/Store.h"
#include "text/ScratchDirectory.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// The project's data folder, where the templates are.
const std::filesystem::path kDataDirectory = VED_DATA_DIR;

void PrintToFirstPaint(benchmark::State& state) {
    BenchApplication();
    const std::string templateFile = (kDataDirectory / "sample.rt3").string();
    const TReportServices services = MakeQtReportServices();
    for (auto _ : state) {
        const auto report = TReport3::Create(services);
        report->SetVariable("Title", "Sample", false);
        report->LoadTemplate(templateFile);
        report->Build();
        if (report->PageCount() == 0) {
            state.SkipWithError("the sample template was not found");
            return;
        }
        ShowFirstPage(state, report);
    }
}
BENCHMARK(PrintToFirstPaint)->Unit(benchmark::kMillisecond);

// A statement of three denominations and two earn sources on the bank form.
void PrintStatementToFirstPaint(benchmark::State& state) {
    BenchApplication();
    TScratchDirectory scratch;
    TStore store(scratch.Path(), scratch.Path());
    store.Open();
    TDocumentEditorState statement(store);
    statement.Load(45000.5);
    statement.SetBagNumber("0417");
    statement.AddSource("Прочие поступления", "11");
    statement.SetCount(1, "1");
    statement.SetCount(6, "3");
    statement.SetCount(12, "2");
    statement.SetAmount(2, "301");
    const TVariableList variables = statement.PrintVariables();
    const TReportServices services = MakeQtReportServices();
    for (auto _ : state) {
        const auto report = TReport3::Create(services);
        LoadStatementReport(*report, variables, kDataDirectory);
        report->Build();
        ShowFirstPage(state, report);
    }
}
BENCHMARK(PrintStatementToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
