// register_screenshot TEMPLATE DIALOG.png PREVIEW.png [MAIN.png]: the
// register of March 2024 over sample statements, as the main window makes
// it: the dialog "Реестр ведомостей" and the register in the preview, and,
// if asked, the main window with its toolbar. The data live in a scratch
// folder; nothing of the user's is read or written.
#include "ScreenshotSupport.h"
#include "app/MainWindow.h"
#include "controls/ActionRunner.h"
#include "report/render/QtReportServices.h"
#include "report/ui/ReportPreview.h"
#include "statement/DocumentEditorState.h"
#include "statement/EarnSources.h"
#include "store/Store.h"
#include "text/FormatSettings.h"
#include "text/ScratchDirectory.h"

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QPushButton>

#include <iostream>

namespace {

// Three weeks of statements of three firms to two banks, on two earn sources.
void SampleStatements(const std::filesystem::path& directory) {
    TStore store(directory, directory);
    store.Open();
    const std::int64_t firms[] = {
        AddRecord(store.Firms(), "ООО «Ромашка»", "INN", "7701234567"),
        AddRecord(store.Firms(), "ИП Сидоров Пётр Иванович", "INN", "500100732259"),
        AddRecord(store.Firms(), "АО «Северная торговая компания»", "INN", "7812345678"),
    };
    const std::int64_t receiver = AddRecord(store.Firms(), "АО «Василёк»", "INN", "7707083893");
    const std::int64_t banks[] = {
        AddRecord(store.Banks(), "ПАО Сбербанк", "BIK", "044525225"),
        AddRecord(store.Banks(), "АО «Альфа-Банк»", "BIK", "044525593"),
    };
    store.SaveFirms();
    store.SaveBanks();
    BuildEarnSourceList(store.EarnSources());
    AddEarnSource(store.EarnSources(), "Прочие поступления", "11");
    for (int i = 0; i < 21; ++i) {
        TDocumentEditorState state(store);
        state.Load(EncodeDateTime(2024, 3, 1 + i, 9 + i % 8, 15).value_or(0));
        state.SetBagNumber(std::to_string(118204 + i));
        state.Select(TEditorList::FromFirm, firms[i % 3]);
        state.Select(TEditorList::ToFirm, receiver);
        state.Select(TEditorList::ToBank, banks[i % 2]);
        state.SetCurrentSource(1 + i % 4 / 3);
        state.SetCount(1, std::to_string(1 + i % 5));
        state.SetCount(4, std::to_string(i % 9));
        state.SetCount(13, std::to_string(i % 7));
        state.Save();
    }
    store.SaveEarnSources();
}

void PressEscape(QWidget& window) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: register_screenshot TEMPLATE DIALOG.png PREVIEW.png [MAIN.png]\n";
        return 2;
    }
    InitFormatSettings();
    QApplication app(argc, argv);
    TScratchDirectory scratch;
    std::filesystem::copy_file(std::filesystem::path(argv[1]),
                               scratch.Path() / std::filesystem::path(argv[1]).filename());
    SampleStatements(scratch.Path());
    TReportServices services = MakeQtReportServices();
    InstallReportPreview(services, RunUserAction);
    TfmMain window(scratch.Path(), scratch.Path(), services);
    window.show();
    QApplication::processEvents();
    if (argc == 5 && !SavePicture(window, argv[4])) {
        return 1;
    }
    bool saved = true;
    WhenModalShown("TfmRegister", [&](QWidget& dialog) {
        saved = SavePicture(dialog, argv[2]) && saved;
        dialog.findChild<QDateEdit*>("DateFrom")->setDate(QDate(2024, 3, 1));
        dialog.findChild<QDateEdit*>("DateTo")->setDate(QDate(2024, 3, 31));
        WhenModalShown("TfmReport3Preview", [&](QWidget& preview) {
            saved = SavePicture(preview, argv[3]) && saved;
            PressEscape(preview);
        });
        dialog.findChild<QPushButton*>("BtnOK")->click();
    });
    window.BtnRegisterClick();
    return saved ? 0 : 1;
}
