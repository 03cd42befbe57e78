// Reading and writing a section tree of 10 000 earn-source-like sections.
#include "text/XNod.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSections = 10000;

std::string SampleText() {
    TXNod root;
    TXNod& sources = root.Section("Sources");
    for (int i = 0; i < kSections; ++i) {
        // Section names need not be unique; the program finds sources by position.
        TXNod& source = sources.AddSection("source");
        source.SetAttribute("Name", "Trade revenue, cash 'desk' \\ ~ line\r\nbreak");
        source.SetAttribute("Symbol", "02");
    }
    return root.SaveToText();
}

void BM_XNodRead(benchmark::State& state) {
    const std::string text = SampleText();
    for (auto _ : state) {
        TXNod root;
        root.LoadFromText(text);
        benchmark::DoNotOptimize(root.SectionCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_XNodRead)->Unit(benchmark::kMillisecond);

void BM_XNodWrite(benchmark::State& state) {
    TXNod root;
    root.LoadFromText(SampleText());
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string text = root.SaveToText();
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_XNodWrite)->Unit(benchmark::kMillisecond);

} // namespace
