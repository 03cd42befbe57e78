#pragma once
// The command line of report3:
//     report3 [-D NAME=VALUE]... [--margins L,T,R,B] [--page-numbers]
//             [--report-code TEXT] TEMPLATE -o OUTPUT
//     report3 --pages PAGEFILE -o OUTPUT
//     report3 --statement ID [--tables DIR] -o OUTPUT
//     report3 --help | --version
// Arguments arrive in UTF-8; the options hold texts in Windows-1251 and file
// names as paths, every character kept.
#include "report/ReportUnits.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

struct TReport3Options {
    // -D NAME=VALUE, in the order given.
    std::vector<std::pair<std::string, std::string>> Variables;
    // Whole millimetres: left, top, right, bottom.
    std::optional<TIntRect> Margins;
    bool PageNumbers = false;
    std::optional<std::string> ReportCode;
    // Exactly one of the three is set.
    std::filesystem::path TemplateFile;
    std::filesystem::path PagesFile;
    std::int64_t StatementID = 0;
    // The tables and the template of a statement; empty: the current directory.
    std::filesystem::path TablesDirectory;
    std::filesystem::path Output;
    // --help or --version: nothing else is done.
    bool Help = false;
    bool Version = false;
};

// A command line that does not fit; the message says why (Windows-1251).
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options of the arguments after the program name.
TReport3Options ParseReport3Arguments(const std::vector<std::string>& utf8Arguments);

// How the command is used (Windows-1251).
std::string Report3Usage();
