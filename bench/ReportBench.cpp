// The report engine on large reports: a template whose loop makes rows of
// five cells with substitutions, interpreted and built (twice the rows must
// take about twice the time), and the page-text format written and read.
// Measured on the fixed-metric canvas: no cell is auto-height, so the canvas
// plays no part in the times.
#include "report/FixedMetricCanvas.h"
#include "report/NumberText.h"
#include "report/TReport3.h"
#include "report/TemplateInterpreter.h"
#include "text/Markup.h"
#include "text/TemplateParser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string LoopTemplate(int rows) {
    return "total = 0;\n"
           "for (var=\"i\", n=" +
           IntToText(rows) +
           ") {\n"
           "    total = total + i;\n"
           "    row(h=5) {\n"
           "        cell(w=\"10%\", text=\"{i}\", frame=\"1\");\n"
           "        cell(w=\"30%\", text=\"Row {i} of the report\");\n"
           "        cell(w=\"20%\", text=\"{i:06d}\");\n"
           "        cell(w=\"20%\", text=\"{total:.2f}\", align=6);\n"
           "        cell(w=\"20%\", text=\"end\");\n"
           "    }\n"
           "}\n";
}

void InterpretAndBuild(benchmark::State& state) {
    const auto rows = static_cast<int>(state.range(0));
    const std::string text = LoopTemplate(rows);
    for (auto _ : state) {
        const auto report = TReport3::Create({.MeasuringCanvas = FixedMetricCanvasFactory()});
        const auto sentences = ParseTemplateText(text);
        const auto tree = SentenceToNode(*sentences);
        InterpretSections(report->TemplateRun(), report, *tree);
        report->Build();
        benchmark::DoNotOptimize(report->PageCount());
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(InterpretAndBuild)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// A built report of 1000 pages (about 55 rows of five cells a page).
std::shared_ptr<TReport3> ThousandPages() {
    const auto report = TReport3::Create({.MeasuringCanvas = FixedMetricCanvasFactory()});
    const auto sentences = ParseTemplateText(LoopTemplate(55 * 1000));
    const auto tree = SentenceToNode(*sentences);
    InterpretSections(report->TemplateRun(), report, *tree);
    report->Build();
    return report;
}

void WritePagesText(benchmark::State& state) {
    const auto report = ThousandPages();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = report->GetPagesText();
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["pages"] = report->PageCount();
}
BENCHMARK(WritePagesText)->Unit(benchmark::kMillisecond);

void ReadPagesText(benchmark::State& state) {
    const std::string text = ThousandPages()->GetPagesText();
    for (auto _ : state) {
        const auto report = TReport3::Create();
        report->LoadPagesFromText(text);
        benchmark::DoNotOptimize(report->PageCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ReadPagesText)->Unit(benchmark::kMillisecond);

} // namespace
