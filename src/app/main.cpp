// Entry point: the process-wide conventions first, then the application and
// its windows, in their fixed order. The main window owns the data store; at
// shut-down only "Data.txt" is written.
#include "app/Application.h"
#include "app/ProgramWindows.h"
#include "text/FormatSettings.h"
#include "text/Paths.h"

#include <filesystem>

int main(int argc, char* argv[]) {
    InitFormatSettings();
    TApplication app(argc, argv);
    TProgramWindows windows(std::filesystem::current_path(), ProgramDirectory());
    windows.Show();
    return app.exec();
}
