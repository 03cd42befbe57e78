#include "statement/ui/StatementReport.h"

#include "report/TReport3.h"
#include "statement/StatementTemplate.h"
#include "text/Paths.h"

void PrintStatementReport(const TVariableList& variables, const TReportServices& services,
                          const std::filesystem::path& directory) {
    const std::filesystem::path templatePath = LocateStatementTemplate(directory);
    const std::shared_ptr<IReport3> report = TReport3::Create(services);
    report->SetReportCode("");
    for (const auto& [name, value] : variables) {
        report->SetVariable(name, value, false);
    }
    report->SetMargins({8, 8, 8, 8});
    report->LoadTemplate(PathToText(templatePath));
    report->Preview();
}
