// editor_screenshot PNG: the statement editor with a filled statement, drawn
// into a picture. The firms, banks and the statement are sample data in a
// scratch folder; nothing of the user's is read or written.
#include "app/store/Store.h"
#include "reference/ReferenceRecords.h"
#include "statement/DocumentEditorState.h"
#include "statement/EarnSources.h"
#include "statement/ui/TfmDocumentEditor.h"
#include "text/DateTime.h"
#include "text/FormatSettings.h"
#include "text/ScratchDirectory.h"

#include <QApplication>
#include <QPixmap>

#include <cstdint>
#include <iostream>
#include <string>

namespace {

// A new firm or bank, as its editor writes it.
std::int64_t AddRecord(TTable& table, std::string name, const char* field, std::string value) {
    TEditedRecord record;
    record.Start(0);
    const TFieldText texts[] = {{"Name", std::move(name)}, {field, std::move(value)}};
    return record.Write(table, texts).value_or(0);
}

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

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: editor_screenshot PNG\n";
        return 2;
    }
    InitFormatSettings();
    QApplication app(argc, argv);
    ApplyMainWindowFormatSettings();
    TScratchDirectory scratch;
    TStore store(scratch.Path(), scratch.Path());
    store.Open();
    TfmDocumentEditor editor(store, {}, scratch.Path());
    editor.SetDocumentID(SampleStatement(store));
    editor.show();
    QApplication::processEvents();
    if (!editor.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
