#include "statement/StatementReport.h"

#include "statement/StatementTemplate.h"

namespace {

void LoadReport(IReport3& report, const TVariableList& variables,
                const std::filesystem::path& form) {
    report.SetReportCode("");
    for (const auto& [name, value] : variables) {
        report.SetVariable(name, value, false);
    }
    report.SetMargins(kStatementMargins);
    report.LoadTemplate(form);
}

} // namespace

void LoadStatementReport(IReport3& report, const TVariableList& variables,
                         const std::filesystem::path& directory) {
    LoadReport(report, variables, LocateStatementTemplate(directory));
}

void LoadRegisterReport(IReport3& report, const TVariableList& variables,
                        const std::filesystem::path& directory) {
    LoadReport(report, variables, LocateRegisterTemplate(directory));
}
