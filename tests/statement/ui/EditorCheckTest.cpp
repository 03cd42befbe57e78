// The check before saving and printing, as the user meets it: which control
// gets the focus, which message appears, and what reaches "Documents.xml".
#include "EditorWindowSupport.h"

#include "statement/CashField.h"
#include "support/widgets/ModalAnswer.h"
#include "text/Errors.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

using testing_support::ClickButton;
using testing_support::ModalAnswer;
using testing_support::ReadFile;

constexpr const char* kCash5301 =
    "<5000>1<2000>0<1000>0<500>0<200>0<100>3<50>0<10>0<5>0<2>0<1>0<05>2<01>0<005>0<001>0"
    "<SI>1<SS1>5301,00";

class EditorCheck : public EditorWindow {
protected:
    std::string Documents() { return ReadFile(dir_ / "Documents.xml"); }

    // Clicks "Сохранить" and expects the window to stay open with no file
    // change and the focus on `focus`.
    void ExpectRefused(const std::string& focus) {
        const std::string before = Documents();
        Click("BtnOK");
        EXPECT_TRUE(editor_->isVisible());
        EXPECT_EQ(FocusName(), focus);
        EXPECT_EQ(Documents(), before);
    }

    // Clicks "Сохранить", answers the warning and returns its text.
    std::string RefusedWith() {
        const std::string before = Documents();
        ModalAnswer answer(ClickButton(ToQString("ОК")));
        Click("BtnOK");
        EXPECT_TRUE(answer.Answered());
        EXPECT_TRUE(editor_->isVisible());
        Reactivate();
        EXPECT_EQ(FocusName(), "Source");
        EXPECT_EQ(Documents(), before);
        return FromQString(answer.Text());
    }

    // The stored statement: its cash field, read from the table.
    std::string StoredCash(std::int64_t id) {
        TTable& documents = store_.Documents();
        EXPECT_TRUE(documents.Locate(id));
        return documents.FieldByName("Cash").AsString();
    }
};

TEST_F(EditorCheck, EmptyBagZeroTotalAndBadCountsStopWithoutAMessage) {
    Show();
    ExpectRefused("eBag");
    Type("12");
    ExpectRefused("Cash");
    EXPECT_EQ(Cash().Row(), 1);
    TypeCell(Cash(), 9, "10000");
    Cash().SetRow(2);
    ExpectRefused("Cash");
    EXPECT_EQ(Cash().Row(), 9);
    EXPECT_EQ(Text("LSum"), "Ошибка в 5 руб ");
    EXPECT_EQ(Colour("LSum"), "red");
    // The same stops printing.
    Click("BtnPrint");
    EXPECT_TRUE(previews_.empty());
}

TEST_F(EditorCheck, SavesANewStatementWithTheTableID) {
    Show();
    FillValid();
    Click("BtnOK");
    ASSERT_FALSE(editor_->isVisible());
    EXPECT_EQ(editor_->result(), QDialog::Accepted);
    const std::int64_t id = editor_->DocumentID();
    EXPECT_GT(id, 0);
    EXPECT_EQ(StoredCash(id), kCash5301);
    // What is on the disk is what the table holds.
    TStore reread(dir_.path(), dir_.path());
    ASSERT_TRUE(reread.Open().empty());
    ASSERT_TRUE(reread.Documents().Locate(id));
    EXPECT_EQ(reread.Documents().FieldByName("Cash").AsString(), kCash5301);
    EXPECT_EQ(reread.Documents().FieldByName("BagNumber").AsString(), "12");
    EXPECT_EQ(reread.Documents().FieldByName("FromFirm").AsInteger(), payer_);
    EXPECT_EQ(reread.Documents().FieldByName("CashSum").AsFloat(), 5301.0);
}

TEST_F(EditorCheck, SavingAgainKeepsTheIDAndLoadingShowsTheStatement) {
    Show();
    FillValid();
    Click("BtnOK");
    const std::int64_t id = editor_->DocumentID();
    Show(id);
    EXPECT_EQ(Text("eBag"), "12");
    EXPECT_EQ(Cash().Cell(1, 6), "3");
    EXPECT_EQ(Cash().Cell(1, 2), "");
    EXPECT_EQ(Source().Cell(1, 1), "5301,00");
    EXPECT_EQ(Text("LSourceSum"), "5 301,00 р.");
    TypeCell(Cash(), 2, "1");
    Click("BtnOK");
    EXPECT_EQ(editor_->DocumentID(), id);
    EXPECT_EQ(store_.Documents().RecordCount(), 1u);
    EXPECT_NE(StoredCash(id).find("<2000>1<"), std::string::npos);
    EXPECT_NE(StoredCash(id).find("<SS1>7301,00"), std::string::npos);
    // A new statement after it gets a new ID.
    Show(0);
    FillValid();
    Click("BtnOK");
    EXPECT_GT(editor_->DocumentID(), id);
    EXPECT_EQ(store_.Documents().RecordCount(), 2u);
}

TEST_F(EditorCheck, NoUsedSourceTooManySourcesAndAMismatchAreRefusedWithAMessage) {
    AddSources(5);
    Show();
    FillValid();
    // More on source 2 than the cash: balancing leaves source 1 negative,
    // which ends the walk, and that row is named.
    TypeCell(Source(), 2, "6000");
    Source().SetRow(1);
    EXPECT_EQ(RefusedWith(),
              "Неверная сумма в источнике поступления \"" + Source().Cell(0, 1) + "\"");
    EXPECT_EQ(Source().Cell(1, 1), "-699,00");
    EXPECT_EQ(Source().Row(), 1);

    // Six sources with amounts: 5301 = 5296 + 5 x 1.
    for (int row = 2; row <= 6; ++row) {
        TypeCell(Source(), row, "\b\b\b\b1");
    }
    Source().SetRow(1);
    EXPECT_EQ(RefusedWith(), "Выберите не более 5 источников поступления");
    EXPECT_EQ(Source().Cell(1, 1), "5296,00");

    // Five are fine.
    TypeCell(Source(), 6, "\b");
    Source().SetRow(1);
    Click("BtnOK");
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_NE(StoredCash(editor_->DocumentID()).find("<SI>1<SS1>5297,00<SS2>1,00"),
              std::string::npos);
}

TEST_F(EditorCheck, AmountsOffByAKopeckAreRefused) {
    AddSources(1);
    Show();
    FillValid();
    TypeCell(Source(), 1, "\b\b\b\b\b\b\b5301,01");
    // With source 2 current, balancing books -0,01 to it, which ends the
    // walk on that row.
    Source().SetRow(2);
    EXPECT_EQ(RefusedWith(),
              "Неверная сумма в источнике поступления \"" + Source().Cell(0, 2) + "\"");
    EXPECT_EQ(Source().Cell(1, 2), "-0,01");
}

TEST_F(EditorCheck, AStatementWithADeletedFirmOpensUnselectedAndNeedsAFirm) {
    Show();
    FillValid();
    Find<QComboBox>("cbToFirm").setCurrentIndex(1);
    Click("BtnOK");
    const std::int64_t id = editor_->DocumentID();
    MarkDeleted(store_.Firms(), receiver_);
    Show(id);
    auto& toFirm = Find<QComboBox>("cbToFirm");
    EXPECT_EQ(toFirm.currentIndex(), -1);
    EXPECT_EQ(toFirm.count(), 1);
    EXPECT_EQ(FromQString(Find<QComboBox>("cbFromFirm").currentText()), "Плательщик");
    ExpectRefused("cbToFirm");
    toFirm.setCurrentIndex(0);
    Click("BtnOK");
    EXPECT_FALSE(editor_->isVisible());
    TTable& documents = store_.Documents();
    ASSERT_TRUE(documents.Locate(id));
    EXPECT_EQ(documents.FieldByName("ToFirm").AsInteger(), payer_);
}

TEST_F(EditorCheck, AStatementThatVanishedIsNotSavedAndTheWindowStays) {
    Show();
    FillValid();
    Click("BtnOK");
    const std::int64_t id = editor_->DocumentID();
    Show(id);
    TTable& documents = store_.Documents();
    ASSERT_TRUE(documents.Locate(id));
    documents.Remove();
    store_.SaveDocuments();
    const std::string before = Documents();
    Click("BtnOK");
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(Documents(), before);
    EXPECT_EQ(documents.RecordCount(), 0u);
}

TEST_F(EditorCheck, AReadOnlyTableFileIsReportedAndNothingIsLost) {
    Show();
    FillValid();
    const std::filesystem::path file = dir_ / "Documents.xml";
    const std::string before = Documents();
    namespace fs = std::filesystem;
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Click("BtnOK");
    ASSERT_EQ(CaughtErrors().size(), 1u);
    EXPECT_NE(CaughtErrors()[0].find("Documents.xml"), std::string::npos) << CaughtErrors()[0];
    CaughtErrors().clear();
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(Documents(), before);
    // Once the file can be written, the same statement is saved once.
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    Click("BtnOK");
    EXPECT_FALSE(editor_->isVisible());
    TStore reread(dir_.path(), dir_.path());
    ASSERT_TRUE(reread.Open().empty());
    EXPECT_EQ(reread.Documents().RecordCount(), 1u);
    EXPECT_EQ(StoredCash(editor_->DocumentID()), kCash5301);
}

TEST_F(EditorCheck, AFileThatCannotBeReplacedIsReportedAndNothingIsLost) {
    Show();
    FillValid();
    // A folder stands where the table file was.
    const std::filesystem::path file = dir_ / "Documents.xml";
    const std::string before = Documents();
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    testing_support::WriteFile(file / "keep", "x");
    Click("BtnOK");
    ASSERT_EQ(CaughtErrors().size(), 1u);
    CaughtErrors().clear();
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(testing_support::ReadFile(file / "keep"), "x");
    std::filesystem::remove_all(file);
    testing_support::WriteFile(file, before);
    Click("BtnOK");
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(store_.Documents().RecordCount(), 1u);
}

} // namespace
