#include "report3/Report3Setting.h"

#include "text/Paths.h"
#include "text/qt/UserDataFolder.h"

TReport3Setting BuildTreeReport3Setting(std::string version) {
    return {std::move(version), {}, ProgramDirectory()};
}

TReport3Setting InstalledReport3Setting(std::string version) {
    return {std::move(version), UserDataFolder(), {}};
}
