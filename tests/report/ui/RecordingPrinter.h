#pragma once
// A printer for the preview's tests: it remembers the jobs it was given,
// answers the print dialog with a prepared choice, and can refuse jobs.
#include "report/render/ReportPrinter.h"

#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

namespace preview_test {

class TRecordingPrinter : public IReportPrinter {
public:
    std::optional<TPrintChoice> AskPrintChoice(std::int32_t) override { return Choice; }
    void SetUp() override { ++SetUps; }
    void SetCopies(std::int32_t) override {}
    void SetLandscape(bool) override {}
    void BeginJob(const std::string& title) override;
    QPainter* JobPainter() override { return painter_.isActive() ? &painter_ : nullptr; }
    QSize PrintableSize() const override { return page_.size(); }
    void EndJob() override;

    // What the print dialog answers; none: the user cancels.
    std::optional<TPrintChoice> Choice;
    // The next job raises this message when not empty.
    std::string Refusal;
    std::vector<std::string> Titles;
    int SetUps = 0;

private:
    QImage page_{105, 148, QImage::Format_RGB32};
    QPainter painter_;
};

} // namespace preview_test
