#pragma once
// The one Qt application of the whole bench program, made by its main before
// any benchmark runs and gone after the last: window benchmarks and drawing
// benchmarks run in any order, on the offscreen platform, so that figures do
// not depend on a display.
#include <QApplication>

#include <functional>

// The application main made.
QApplication& BenchApplication();

// Runs `release` after the last benchmark, while the application is still
// there: for windows made once and kept for several benchmarks.
void AtBenchEnd(std::function<void()> release);
