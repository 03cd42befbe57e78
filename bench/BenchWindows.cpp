#include "BenchWindows.h"

#include "BenchApplication.h"
#include "app/ProgramWindows.h"
#include "report/render/QtReportServices.h"
#include "text/FormatSettings.h"

#include <QKeyEvent>
#include <QWindow>

#include <memory>

void SendKey(QWidget& target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&target, &release);
}

void TimeStartUp(benchmark::State& state, const std::filesystem::path& folder) {
    BenchApplication();
    for (auto _ : state) {
        InitFormatSettings();
        auto windows =
            std::make_unique<TProgramWindows>(folder, folder / "program", MakeQtReportServices());
        windows->Show();
        while (!windows->Main().windowHandle() || !windows->Main().windowHandle()->isExposed()) {
            QApplication::processEvents();
        }
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
