#include "statement/StatementReport.h"

#include "statement/StatementTemplate.h"

void LoadStatementReport(IReport3& report, const TVariableList& variables,
                         const std::filesystem::path& directory) {
    const std::filesystem::path form = LocateStatementTemplate(directory);
    report.SetReportCode("");
    for (const auto& [name, value] : variables) {
        report.SetVariable(name, value, false);
    }
    report.SetMargins(kStatementMargins);
    report.LoadTemplate(form);
}
