#pragma once
// What the window benchmarks share: a key typed as the user types it, and
// the program's start-up timed to its main window on the screen.
#include <QString>

#include <benchmark/benchmark.h>

#include <filesystem>

class QWidget;

// A key press and release sent straight to the widget.
void SendKey(QWidget& target, Qt::Key key, const QString& text);

// Each iteration opens the program's windows on that working folder and
// waits until the main window is exposed; closing them is not timed.
void TimeStartUp(benchmark::State& state, const std::filesystem::path& folder);
