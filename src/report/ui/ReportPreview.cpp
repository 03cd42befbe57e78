#include "report/ui/ReportPreview.h"

#include "report/TReport3.h"
#include "report/ui/TfmReport3TextEditor.h"

#include <QApplication>
#include <QToolButton>

void ShowReportPreview(IReport3& report, const TActionRunner& runAction) {
    auto& shown = dynamic_cast<TReport3&>(report);
    // Without an owner the editor stands over whatever window is active when
    // it opens: the preview, which covers the screen.
    TfmReport3TextEditor editor;
    TfmReport3Preview preview(shown, editor, runAction, QApplication::activeWindow());
    const bool canPrint = report.GetCanPrint();
    preview.SpeedButton3->setEnabled(canPrint);
    preview.SpeedButton7->setEnabled(canPrint);
    preview.SpeedButton4->setEnabled(canPrint);
    preview.SpeedButton2->setEnabled(report.GetCanSave());
    preview.exec();
}

void InstallReportPreview(TReportServices& services, TActionRunner runAction) {
    services.Preview = [runAction = std::move(runAction)](IReport3& report) {
        ShowReportPreview(report, runAction);
    };
}
