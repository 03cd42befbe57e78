#pragma once
// Where a run of the program keeps its files. Built in the source tree, the
// program works as it always has: the tables and the template in the
// process's working directory, "Data.txt" beside the executable. Installed
// from the package, it keeps all of it in the user's data folder, because
// the executable's own directory cannot be written and the working directory
// is whatever the desktop's launcher stood in. The two programs differ only
// in which of these their main() takes.
#include <filesystem>
#include <string>
#include <vector>

struct TDataPlaces {
    // The tables, the templates and the lock of the run.
    std::filesystem::path WorkingDirectory;
    // "Data.txt".
    std::filesystem::path DataFileDirectory;
    // The installed program makes its folder itself; the build tree's is there.
    bool CreateWorkingDirectory = false;
    // The templates (Windows-1251 names) copied from SharedDirectory into the
    // working directory when it has no file of that name.
    std::filesystem::path SharedDirectory;
    std::vector<std::string> Templates;
};

// The working directory and the executable's directory.
TDataPlaces BuildTreePlaces();

// The user's data folder for everything; the templates `templates` come from
// the package's shared folder, found from the executable's directory, so an
// unpacked package works wherever it stands.
TDataPlaces InstalledPlaces(const std::vector<std::string>& templates);
