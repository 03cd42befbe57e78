#include "report/render/ReportPrinter.h"

#include "report/NumberText.h"
#include "report/ReportError.h"
#include "report/ReportInterfaces.h"
#include "report/render/PageImage.h"

void PrintReport(IReport3& report, IReportPrinter& printer, bool withDialog) {
    const std::int32_t count = report.PageCount();
    if (!report.GetCanPrint() || count < 1) {
        return;
    }
    TPrintChoice choice{1, true, 1, count};
    if (withDialog) {
        const auto chosen = printer.AskPrintChoice(count);
        if (!chosen) {
            return;
        }
        choice = *chosen;
    }
    printer.SetCopies(choice.Copies);
    // Pages without an orientation of their own keep the one before them.
    TOrientation state = report.GetPage(1)->GetOrientation();
    if (state == kOrientationUnset) {
        state = kOrientationPortrait;
    }
    for (std::int32_t number = 1; number <= count; ++number) {
        if (!choice.AllPages && (number < choice.From || number > choice.To)) {
            continue;
        }
        const auto page = report.GetPage(number);
        if (page->GetOrientation() != kOrientationUnset && page->GetOrientation() != state) {
            state = page->GetOrientation();
        }
        // Codes above 2 are landscape too, as the page's size says.
        printer.SetLandscape(state >= kOrientationLandscape);
        try {
            printer.BeginJob("Отчет - стр. " + IntToText(number));
            page->Print();
            printer.EndJob();
        } catch (const std::exception& error) {
            printer.EndJob();
            throw EReportError(std::string("Ошибка печати отчета:") + '\r' + error.what());
        }
    }
}

void PrintPageImage(const TPageImage& image, IReportPrinter& printer) {
    QPainter* painter = printer.JobPainter();
    if (painter == nullptr) {
        throw EReportError("Страница печатается только во время печати отчета");
    }
    // The whole page, margins included, over the printable area; the aspect
    // ratio is not kept.
    image.Play(*painter, QRectF(QPointF(0, 0), QSizeF(printer.PrintableSize())));
}
