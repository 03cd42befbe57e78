// Entry point: the process-wide conventions and the report's services first,
// then the application and its windows, in their fixed order. The main window
// owns the data store; at shut-down only "Data.txt" is written.
#include "app/Application.h"
#include "app/ProgramWindows.h"
#include "report/render/QtReportServices.h"
#include "text/FormatSettings.h"
#include "text/Paths.h"

#include <filesystem>

int main(int argc, char* argv[]) {
    InitFormatSettings();
    // Amounts are grouped and use the decimal comma from the first window on.
    ApplyMainWindowFormatSettings();
    TApplication app(argc, argv);
    // Handed to every report the windows make.
    const TReportServices reportServices = MakeQtReportServices();
    TProgramWindows windows(std::filesystem::current_path(), ProgramDirectory(), reportServices);
    windows.Show();
    return app.exec();
}
