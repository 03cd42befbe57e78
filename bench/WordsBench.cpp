// AmountInWords over amounts spread across every group and plural form, as
// the report engine writes a sum per printed statement.
#include "text/Words.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<Money> VariedAmounts() {
    std::vector<Money> amounts;
    constexpr Money kLimit = kMoneyScale * 1'000'000'000'000; // 10^12 roubles
    Money amount = 1;
    for (int i = 0; i < 1024; ++i) {
        amounts.push_back(amount / 100 * 100);     // whole kopecks, as on a statement
        amount = (amount * 37 + 1234567) % kLimit; // wanders over every digit position
    }
    return amounts;
}

void BM_AmountInWords(benchmark::State& state) {
    const std::vector<Money> amounts = VariedAmounts();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AmountInWords(amounts[next]));
        next = (next + 1) % amounts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AmountInWords);

} // namespace
