#include "FirstPaint.h"

#include "controls/ActionRunner.h"
#include "report/TReport3Page.h"
#include "report/ui/TfmReport3Preview.h"
#include "report/ui/TfmReport3TextEditor.h"

#include <QApplication>

void ShowFirstPage(benchmark::State& state, const std::shared_ptr<TReport3>& report) {
    TfmReport3TextEditor editor;
    TfmReport3Preview preview(*report, editor, RunUserAction);
    preview.show();
    QApplication::processEvents();
    const auto page = std::dynamic_pointer_cast<TReport3Page>(report->GetPage(1));
    if (page->IsStale()) {
        preview.pb->repaint();
    }
    if (page->IsStale()) {
        state.SkipWithError("the page was not painted");
    }
}
