#include "RecordingPrinter.h"

#include "report/ReportError.h"

namespace preview_test {

void TRecordingPrinter::BeginJob(const std::string& title) {
    if (!Refusal.empty()) {
        throw EReportError(Refusal);
    }
    Titles.push_back(title);
    painter_.begin(&page_);
}

void TRecordingPrinter::EndJob() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

} // namespace preview_test
