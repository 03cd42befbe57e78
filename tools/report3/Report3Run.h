#pragma once
// Runs report3 once: makes the report, fills and builds it (or loads its
// pages) and saves it. Messages go to `errors` in UTF-8, one per line.
#include "report/ReportServices.h"
#include "report3/Report3Options.h"
#include "report3/Report3Setting.h"

#include <ostream>

// Exit statuses of the command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // the template, the pages or a file failed
inline constexpr int kExitUsage = 2;

// The exit status; every failure has been written to `errors`.
int RunReport3(const TReport3Options& options, const TReportServices& services,
               const TReport3Setting& setting, std::ostream& errors);

// The whole command: arguments (UTF-8, after the program name) to exit
// status. --help and --version answer on `out`.
int Report3Main(const std::vector<std::string>& arguments, const TReportServices& services,
                const TReport3Setting& setting, std::ostream& out, std::ostream& errors);
