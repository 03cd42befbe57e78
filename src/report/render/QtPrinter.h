#pragma once
// The program's printer: Qt's default printer at its full resolution, with
// the platform's print and page set-up dialogs. Needs a QApplication.
#include "report/render/ReportPrinter.h"

#include <QPainter>
#include <QPrinter>

class TQtPrinter : public IReportPrinter {
public:
    TQtPrinter();

    std::optional<TPrintChoice> AskPrintChoice(std::int32_t pageCount) override;
    void SetUp() override;
    void SetCopies(std::int32_t copies) override { printer_.setCopyCount(copies); }
    void SetLandscape(bool landscape) override;
    void BeginJob(const std::string& title) override;
    QPainter* JobPainter() override { return painter_.isActive() ? &painter_ : nullptr; }
    QSize PrintableSize() const override;
    void EndJob() override;

private:
    QPrinter printer_;
    QPainter painter_;
};
