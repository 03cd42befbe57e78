#include "report/render/QtPrinter.h"

#include "report/ReportError.h"
#include "text/qt/QtCodec.h"

#include <QPageSetupDialog>
#include <QPrintDialog>

TQtPrinter::TQtPrinter() : printer_(QPrinter::HighResolution) {}

std::optional<TPrintChoice> TQtPrinter::AskPrintChoice(std::int32_t pageCount) {
    printer_.setCopyCount(1);
    printer_.setCollateCopies(false);
    printer_.setFromTo(1, pageCount);
    printer_.setPrintRange(QPrinter::PageRange);
    QPrintDialog dialog(&printer_);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    TPrintChoice choice;
    choice.Copies = printer_.copyCount();
    choice.AllPages = printer_.printRange() == QPrinter::AllPages;
    choice.From = printer_.fromPage();
    choice.To = printer_.toPage();
    return choice;
}

void TQtPrinter::SetUp() {
    QPageSetupDialog dialog(&printer_);
    dialog.exec();
}

void TQtPrinter::SetLandscape(bool landscape) {
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TQtPrinter::BeginJob(const std::string& title) {
    printer_.setDocName(ToQString(title));
    if (!painter_.begin(&printer_)) {
        throw EReportError("Принтер не начал печать");
    }
}

QSize TQtPrinter::PrintableSize() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).size();
}

void TQtPrinter::EndJob() {
    if (painter_.isActive()) {
        painter_.end();
    }
}
