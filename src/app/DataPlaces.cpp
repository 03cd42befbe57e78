#include "app/DataPlaces.h"

#include "text/Paths.h"
#include "text/qt/UserDataFolder.h"

namespace {

// The package puts the programs in /usr/bin and their files in /usr/share/vedomost.
constexpr const char* kSharedFromProgram = "../share/vedomost";

} // namespace

TDataPlaces BuildTreePlaces() {
    TDataPlaces places;
    places.WorkingDirectory = std::filesystem::current_path();
    places.DataFileDirectory = ProgramDirectory();
    return places;
}

TDataPlaces InstalledPlaces(const std::vector<std::string>& templates) {
    TDataPlaces places;
    places.WorkingDirectory = UserDataFolder();
    places.DataFileDirectory = places.WorkingDirectory;
    places.CreateWorkingDirectory = true;
    places.SharedDirectory = (ProgramDirectory() / kSharedFromProgram).lexically_normal();
    places.Templates = templates;
    return places;
}
