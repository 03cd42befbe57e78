#include "statement/ui/StatementPreview.h"

#include "report/TReport3.h"
#include "statement/ui/BuildErrorBox.h"

void PreviewReport(const TReportServices& services, const std::function<void(IReport3&)>& load) {
    const std::shared_ptr<IReport3> report = TReport3::Create(services);
    load(*report);
    report->SetBuildErrorHandler(ShowBuildErrorBox);
    report->Preview();
}
