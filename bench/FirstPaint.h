#pragma once
// The preview of a built report shown until its first page is painted, as
// the user sees it after "print": the figure every print benchmark ends on.
#include "report/TReport3.h"

#include <benchmark/benchmark.h>

#include <memory>

void ShowFirstPage(benchmark::State& state, const std::shared_ptr<TReport3>& report);
