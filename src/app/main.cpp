// Entry point: the process-wide conventions and the report's services first,
// then the data folder and its lock, then the application's windows in their
// fixed order. The main window owns the data store; at shut-down only
// "Data.txt" is written.
//
// The same file makes both programs: built with VED_INSTALLED_LAYOUT it is
// the packaged program, which keeps its data in the user's data folder.
#include "app/Application.h"
#include "app/DataFolderStart.h"
#include "app/ProgramWindows.h"
#include "app/ShutdownSignals.h"
#include "report/render/QtReportServices.h"
#include "text/FormatSettings.h"

#if VED_INSTALLED_LAYOUT
#include "app/ShippedTemplates.h"
#endif

int main(int argc, char* argv[]) {
    InitFormatSettings();
    // Amounts are grouped and use the decimal comma from the first window on.
    ApplyMainWindowFormatSettings();
    TApplication app(argc, argv);
    // From here on an ending asked for by the system closes the windows.
    const TShutdownSignals shutdownSignals;
#if VED_INSTALLED_LAYOUT
    const TDataPlaces places = InstalledPlaces(ShippedTemplateNames());
#else
    const TDataPlaces places = BuildTreePlaces();
#endif
    // Held until the windows are gone and "Data.txt" is written.
    const std::unique_ptr<TDataFolderLock> lock = OpenDataFolder(places);
    if (!lock) {
        return 1;
    }
    // Handed to every report the windows make.
    const TReportServices reportServices = MakeQtReportServices();
    TProgramWindows windows(places.WorkingDirectory, places.DataFileDirectory, reportServices);
    windows.Show();
    return app.exec();
}
