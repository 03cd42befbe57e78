#include "BenchApplication.h"

QApplication& BenchApplication() {
    static int argc = 1;
    static char name[] = "ved_bench";
    static char* argv[] = {name, nullptr};
    // The platform is chosen before the application reads it.
    [[maybe_unused]] static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}
