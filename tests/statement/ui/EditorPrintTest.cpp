// Printing a statement from the editor and from the main list, and the
// browse buttons into the reference browser.
#include "EditorWindowSupport.h"

#include "statement/StatementTemplate.h"
#include "statement/ui/BuildErrorBox.h"
#include "support/widgets/ModalAnswer.h"
#include "text/Paths.h"

#include <QComboBox>

namespace {

using testing_support::ReadFile;

TEST_F(EditorWindow, PrintHandsTheReportWhatTheEditorShowsWithoutSaving) {
    Show();
    FillValid();
    Find<QComboBox>("cbToFirm").setCurrentIndex(1);
    Find<QLineEdit>("eField39").setText(ToQString("Поле"));
    const std::string before = ReadFile(dir_ / "Documents.xml");
    Click("BtnPrint");
    ASSERT_EQ(previews_.size(), 1u);
    std::map<std::string, std::string>& shown = previews_[0];
    EXPECT_EQ(shown["Bag"], "12");
    EXPECT_EQ(shown["Sum"], "5301,00");
    EXPECT_EQ(shown["TextSum"], "Пять тысяч триста один рубль 00 копеек");
    EXPECT_EQ(shown["N5000"], "1");
    EXPECT_EQ(shown["S100"], "300,00");
    EXPECT_EQ(shown["S05"], "1,00");
    EXPECT_EQ(shown["ToFirm"], "Получатель");
    EXPECT_EQ(shown["INN"], "7707083893");
    EXPECT_EQ(shown["Field39"], "Поле");
    EXPECT_EQ(shown["Sym1"], "02");
    EXPECT_EQ(shown["SrcSum1"], "5 301,00");
    EXPECT_EQ(shown["Source"], "Торговая выручка");
    EXPECT_EQ(shown["Sym2"], "");
    EXPECT_EQ(shown["pages"], "1");
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(ReadFile(dir_ / "Documents.xml"), before);
}

TEST_F(EditorWindow, AMissingTemplateIsReportedWithTheFileAndTheFolder) {
    std::filesystem::remove(dir_.path() / PathFromText(kStatementTemplateName));
    Show();
    FillValid();
    Click("BtnPrint");
    EXPECT_TRUE(previews_.empty());
    ASSERT_EQ(CaughtErrors().size(), 1u);
    const std::string& message = CaughtErrors()[0];
    EXPECT_NE(message.find("Ведомость.rt3"), std::string::npos) << message;
    EXPECT_NE(message.find(PathToText(dir_.path())), std::string::npos) << message;
    CaughtErrors().clear();
    EXPECT_TRUE(editor_->isVisible());
}

TEST_F(EditorWindow, BrowsingSelectsTheChosenRecordEvenOneAddedInTheBrowser) {
    struct TRequest {
        std::string Caption;
        TStoreTable Table;
        int Slot;
        std::int64_t SelectedID;
    };
    std::vector<TRequest> requests;
    std::int64_t added = 0;
    editor_->SetReferenceBrowse(
        [&](const std::string& caption, TStoreTable table, int slot, std::int64_t selectedID) {
            requests.push_back({caption, table, slot, selectedID});
            added = AddFirm("Новая фирма"); // added through the browser's editor
            return std::optional<std::int64_t>(added);
        });
    Show();
    Find<QComboBox>("cbToFirm").setCurrentIndex(1);
    Click("BtnBrowseFromFirm");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Caption, "Выберите организацию-вноситель");
    EXPECT_EQ(requests[0].Table, TStoreTable::Firms);
    EXPECT_EQ(requests[0].Slot, TStore::kFirmSlot);
    EXPECT_EQ(requests[0].SelectedID, payer_);
    EXPECT_EQ(FromQString(Find<QComboBox>("cbFromFirm").currentText()), "Новая фирма");
    EXPECT_EQ(editor_->State().SelectedID(TEditorList::FromFirm), added);
    // The other firm list has the new firm too and keeps its choice.
    EXPECT_EQ(Find<QComboBox>("cbToFirm").count(), 3);
    EXPECT_EQ(FromQString(Find<QComboBox>("cbToFirm").currentText()), "Получатель");
}

TEST_F(EditorWindow, ACancelledBrowserKeepsTheChoiceAndShowsChangedNames) {
    editor_->SetReferenceBrowse(
        [&](const std::string& caption, TStoreTable, int slot, std::int64_t) {
            EXPECT_EQ(caption, "Выберите банк-получатель");
            EXPECT_EQ(slot, TStore::kBankSlot);
            TTable& banks = store_.Banks();
            EXPECT_TRUE(banks.Locate(bankA_));
            banks.Edit();
            banks.FieldByName("Name").SetString("Банк А2");
            banks.Post();
            return std::optional<std::int64_t>();
        });
    Show();
    Find<QComboBox>("cbToBank").setCurrentIndex(1);
    Click("BtnBrowseToBank");
    EXPECT_EQ(FromQString(Find<QComboBox>("cbToBank").currentText()), "Банк Б");
    EXPECT_EQ(FromQString(Find<QComboBox>("cbFromBank").currentText()), "Банк А2");
}

} // namespace

namespace {

TEST(BuildErrorBox, ShowsTheRowIndexAndTheMessage) {
    testing_support::ModalAnswer answer(testing_support::ClickButton(ToQString("ОК")));
    ShowBuildErrorBox({3, "Строки отчета вложены слишком глубоко"});
    ASSERT_TRUE(answer.Answered());
    EXPECT_TRUE(answer.Text().contains(ToQString("3 Строки отчета вложены слишком глубоко")))
        << answer.Text().toStdString();
}

} // namespace
