// Entry point: the process-wide conventions and the report's services first,
// then the data store, then the main window. The store lives for the whole
// run; at shut-down only "Data.txt" is written.
#include "app/store/Store.h"
#include "report/render/QtReportServices.h"
#include "text/ErrorText.h"
#include "text/Errors.h"
#include "text/FileVersion.h"
#include "text/FormatSettings.h"
#include "text/Paths.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>

namespace {

const char* const kAppTitle = "Препроводительная ведомость";

// A stop-icon box with the one button "ОК".
void ShowStopBox(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Critical, ToQString(caption), ToQString(text), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(ToQString("ОК"));
    box.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    InitFormatSettings();
    QApplication app(argc, argv);
    // Handed to every report the windows make.
    const TReportServices reportServices = MakeQtReportServices();
    app.setApplicationName(ToQString(kAppTitle));

    ApplyMainWindowFormatSettings();
    TStore store(std::filesystem::current_path(), ProgramDirectory());
    const std::vector<std::string> errors = store.Open();

    QMainWindow window;
    window.setWindowTitle(
        ToQString(std::string(kAppTitle) + " [" + FileVersionText(ProgramFile()) + "]"));
    window.resize(800, 600);
    window.show();
    for (const std::string& error : errors) {
        ShowStopBox(kAppTitle, ErrorBoxText(error));
    }
    const int status = app.exec();

    try {
        store.SaveEarnSources();
    } catch (const EAppError& error) {
        ShowStopBox("", std::string("Ошибка сохранения данных: ") + error.what());
    }
    return status;
}
