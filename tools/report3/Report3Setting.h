#pragma once
// What the report3 of the build tree and the installed report3 do
// differently: where --statement finds the tables, the template and
// "Data.txt" when the command line does not say, as the program beside it
// does. The build tree's reads the current directory and "Data.txt" beside
// itself; the installed one reads the user's data folder, "Data.txt" included.
#include <filesystem>
#include <string>

struct TReport3Setting {
    // Shown by --version.
    std::string Version;
    // The tables and the template without --tables; empty: the current directory.
    std::filesystem::path Tables;
    // The folder of "Data.txt"; empty: the folder of the tables.
    std::filesystem::path EarnSources;
};

TReport3Setting BuildTreeReport3Setting(std::string version);
TReport3Setting InstalledReport3Setting(std::string version);
