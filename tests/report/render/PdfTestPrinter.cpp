#include "PdfTestPrinter.h"

#include "report/ReportError.h"

#include <QPageLayout>

std::optional<TPrintChoice> TPdfTestPrinter::AskPrintChoice(std::int32_t pageCount) {
    DialogPageCounts.push_back(pageCount);
    return Answer;
}

std::filesystem::path TPdfTestPrinter::JobFile(int number) const {
    return directory_ / ("job-" + std::to_string(number) + ".pdf");
}

void TPdfTestPrinter::BeginJob(const std::string& title) {
    const int number = static_cast<int>(Titles.size()) + 1;
    Titles.push_back(title);
    Landscape.push_back(landscape_);
    if (number == FailingJob) {
        throw EReportError("Нет бумаги");
    }
    writer_ = std::make_unique<QPdfWriter>(QString::fromStdString(JobFile(number).string()));
    writer_->setResolution(300);
    // Half an inch unprintable all round, as a real sheet printer has.
    writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                       landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait,
                                       QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
    painter_.begin(writer_.get());
}

QSize TPdfTestPrinter::PrintableSize() const {
    return writer_ ? QSize(writer_->width(), writer_->height()) : QSize();
}

void TPdfTestPrinter::EndJob() {
    ++EndedJobs;
    if (painter_.isActive()) {
        painter_.end();
    }
    writer_.reset();
}
