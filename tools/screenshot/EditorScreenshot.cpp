// editor_screenshot EDITOR.png [TEMPLATE PREVIEW.png FORM.pdf]: the
// statement editor with a filled statement, drawn into a picture; with the
// form's template also the preview of that statement at 100 % and the form
// as PDF. The firms, banks and the statement are sample data in a scratch
// folder; nothing of the user's is read or written.
#include "ScreenshotSupport.h"
#include "report/TReport3.h"
#include "report/render/QtReportServices.h"
#include "report/render/ReportPdf.h"
#include "report/ui/ReportPreview.h"
#include "statement/DocumentEditorState.h"
#include "statement/EarnSources.h"
#include "statement/StatementReport.h"
#include "statement/StoredStatement.h"
#include "statement/ui/StatementPreview.h"
#include "statement/ui/TfmDocumentEditor.h"
#include "store/Store.h"
#include "text/DateTime.h"
#include "text/FormatSettings.h"
#include "text/ScratchDirectory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QTimer>

#include <cstdint>
#include <iostream>
#include <string>

namespace {

// One statement of 5301 roubles split over two earn sources; its ID.
std::int64_t SampleStatement(TStore& store) {
    AddRecord(store.Firms(), "ООО «Ромашка»", "INN", "7701234567");
    const std::int64_t receiver = AddRecord(store.Firms(), "АО «Василёк»", "INN", "7707083893");
    AddRecord(store.Banks(), "ПАО «Банк Север»", "BIK", "044525225");
    const std::int64_t bank = AddRecord(store.Banks(), "АО «Банк Юг»", "BIK", "044525000");
    BuildEarnSourceList(store.EarnSources());
    AddEarnSource(store.EarnSources(), "Прочие поступления", "11");

    TDocumentEditorState state(store);
    state.Load(EncodeDateTime(2024, 3, 5, 9, 30).value_or(0));
    state.SetBagNumber("0417");
    state.Select(TEditorList::ToFirm, receiver);
    state.Select(TEditorList::ToBank, bank);
    state.SetField39("Выручка за 4 марта");
    state.SetCount(1, "1");
    state.SetCount(6, "3");
    state.SetCount(12, "2");
    state.SetAmount(2, "301");
    state.Save();
    return state.DocumentID();
}

// Prints the statement into the preview, takes its picture once it is
// painted and closes it with Esc, as a user would.
bool SavePreview(TStore& store, const TReportServices& services, std::int64_t id,
                 const std::filesystem::path& directory, const char* fileName) {
    bool saved = false;
    WhenModalShown("TfmReport3Preview", [&saved, fileName](QWidget& preview) {
        saved = SavePicture(preview, fileName);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&preview, &escape);
    });
    PreviewReport(services, [&](IReport3& report) {
        LoadStatementReport(report, StoredStatementVariables(store, id), directory);
    });
    return saved;
}

bool SaveFormPdf(TStore& store, std::int64_t id, const std::filesystem::path& directory,
                 const char* fileName) {
    const std::shared_ptr<IReport3> report = TReport3::Create(MakeQtReportServices());
    LoadStatementReport(*report, StoredStatementVariables(store, id), directory);
    report->Build();
    WriteReportPdf(*report, fileName);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 5) {
        std::cerr << "usage: editor_screenshot EDITOR.png [TEMPLATE PREVIEW.png FORM.pdf]\n";
        return 2;
    }
    InitFormatSettings();
    QApplication app(argc, argv);
    ApplyMainWindowFormatSettings();
    TScratchDirectory scratch;
    TStore store(scratch.Path(), scratch.Path());
    store.Open();
    TReportServices services = MakeQtReportServices();
    InstallReportPreview(services, RunUserAction);
    TfmDocumentEditor editor(store, services, scratch.Path(), RunUserAction);
    const std::int64_t id = SampleStatement(store);
    editor.SetDocumentID(id);
    editor.show();
    QApplication::processEvents();
    if (!SavePicture(editor, argv[1])) {
        return 1;
    }
    if (argc == 5) {
        std::filesystem::copy_file(std::filesystem::path(argv[2]),
                                   scratch.Path() / std::filesystem::path(argv[2]).filename());
        if (!SavePreview(store, services, id, scratch.Path(), argv[3]) ||
            !SaveFormPdf(store, id, scratch.Path(), argv[4])) {
            return 1;
        }
    }
    return 0;
}
