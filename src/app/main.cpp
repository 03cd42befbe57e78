// Entry point: the process-wide conventions and the report's exporters
// first, then the main window.
#include "report/export/ReportExport.h"
#include "text/FormatSettings.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    InitFormatSettings();
    RegisterReportExporters();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(ToQString("Препроводительная ведомость"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
