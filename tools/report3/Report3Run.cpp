#include "report3/Report3Run.h"

#include "report/NumberText.h"
#include "report/TReport3.h"
#include "report/render/ReportSaving.h"
#include "report3/StatementSource.h"
#include "text/Cp1251.h"
#include "text/Paths.h"

#include <filesystem>
#include <system_error>

namespace {

void WriteLine(std::ostream& errors, const std::string& cp1251) {
    errors << Cp1251ToUtf8(cp1251) << '\n';
}

bool FileExists(const std::filesystem::path& fileName) {
    std::error_code error;
    return std::filesystem::exists(fileName, error);
}

} // namespace

int RunReport3(const TReport3Options& given, const TReportServices& services,
               const TReport3Setting& setting, std::ostream& errors) {
    TReport3Options options = given;
    if (options.StatementID > 0) {
        try {
            BindStatement(options, setting);
        } catch (const std::exception& error) {
            WriteLine(errors, error.what());
            return kExitFailure;
        }
    }
    // The engine ignores a missing file; a command asked for it, so say so.
    const std::filesystem::path& input =
        options.PagesFile.empty() ? options.TemplateFile : options.PagesFile;
    if (!FileExists(input)) {
        WriteLine(errors, "Файл не найден: " + PathToText(input));
        return kExitFailure;
    }
    const auto report = TReport3::Create(services);
    report->SetBuildErrorHandler([&errors](const TBuildError& error) {
        WriteLine(errors, IntToText(error.RowIndex) + " " + error.Message);
    });
    try {
        if (options.ReportCode) {
            report->SetReportCode(*options.ReportCode);
        }
        report->SetPageNumbers(options.PageNumbers);
        if (!options.PagesFile.empty()) {
            report->LoadPagesFromFile(options.PagesFile);
        } else {
            for (const auto& [name, value] : options.Variables) {
                report->SetVariable(name, value, false);
            }
            if (options.Margins) {
                report->SetMargins(*options.Margins);
            }
            report->LoadTemplate(options.TemplateFile);
            report->Build();
        }
        // The workbook and the separated values come from the rows, as the
        // preview saves them after building; the others from the pages.
        SaveReportAs(*report, options.Output, SaveFormFor(options.Output, true));
    } catch (const std::exception& error) {
        WriteLine(errors, error.what());
        return kExitFailure;
    }
    return kExitSuccess;
}

int Report3Main(const std::vector<std::string>& arguments, const TReportServices& services,
                const TReport3Setting& setting, std::ostream& out, std::ostream& errors) {
    TReport3Options options;
    try {
        options = ParseReport3Arguments(arguments);
    } catch (const EUsageError& error) {
        WriteLine(errors, error.what());
        errors << Cp1251ToUtf8(Report3Usage());
        return kExitUsage;
    }
    if (options.Help) {
        out << Cp1251ToUtf8(Report3Usage());
        return kExitSuccess;
    }
    if (options.Version) {
        out << "report3 " << setting.Version << '\n';
        return kExitSuccess;
    }
    return RunReport3(options, services, setting, errors);
}
