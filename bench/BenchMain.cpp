// The bench program's entry point. It owns the application object, so that
// the application goes before the toolkit's own objects are torn down at exit.
#include "BenchApplication.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<std::function<void()>>& Releases() {
    static std::vector<std::function<void()>> releases;
    return releases;
}

} // namespace

QApplication& BenchApplication() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

void AtBenchEnd(std::function<void()> release) {
    Releases().push_back(std::move(release));
}

int main(int argc, char** argv) {
    // The platform is chosen before the application reads it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const std::function<void()>& release : Releases()) {
        release();
    }
    return 0;
}
