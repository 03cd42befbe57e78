#include "report/ReportExporters.h"

namespace {

TReportExporters& Registry() {
    static TReportExporters exporters;
    return exporters;
}

} // namespace

void SetReportExporters(TReportExporters exporters) {
    Registry() = std::move(exporters);
}

const TReportExporters& ReportExporters() {
    return Registry();
}
