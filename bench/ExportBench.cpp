// The workbook and separated-values exports of a 10 000-row report, in bytes
// of output a second. Each row holds four cells and one cell with two nested
// rows, so that the grid has merges across and down. The files' bytes are
// made in memory: writing them to disk would measure the disk.
#include "report/NumberText.h"
#include "report/TReport3.h"
#include "report/export/ReportExport.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRows = 10000;

std::shared_ptr<TReport3> LargeReport() {
    const auto report = TReport3::Create();
    for (int i = 0; i < kRows; ++i) {
        const std::string number = IntToText(i);
        const auto row = report->AddRow(5 * kLengthPerMm);
        row->AddTextCell("10", number, "1", 4);
        row->AddTextCell("50", "Позиция " + number + " <отчета> & \"кавычки\"", "1b0b1b1b", 4);
        row->AddStyledCell("25", number + ",00", "1", 6, 10, kFontBold);
        const auto nested = row->AddCell("40");
        const auto top = nested->AddRow(3 * kLengthPerMm);
        top->AddTextCell("20", "верх", "1", 5);
        top->AddTextCell("20", "справа", "1", 5);
        nested->AddRow(4 * kLengthPerMm)->AddTextCell("40", "низ", "1", 5);
        row->AddTextCell("15", "конец", "", 5);
    }
    return report;
}

void ExportWorkbookText(benchmark::State& state) {
    const auto report = LargeReport();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = BuildWorkbook(*report).WorkbookText();
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["rows"] = kRows;
}
BENCHMARK(ExportWorkbookText)->Unit(benchmark::kMillisecond);

void ExportSeparatedValues(benchmark::State& state) {
    const auto report = LargeReport();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = SeparatedValues(*report);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["rows"] = kRows;
}
BENCHMARK(ExportSeparatedValues)->Unit(benchmark::kMillisecond);

} // namespace
