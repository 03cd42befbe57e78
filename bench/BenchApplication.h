#pragma once
// The one Qt application of the whole bench program: a QApplication, so that
// window benchmarks and drawing benchmarks run in any order, on the offscreen
// platform, so that figures do not depend on a display.
#include <QApplication>

// Made on the first call; every later call returns the same application.
QApplication& BenchApplication();
