// The statement editor as a user types into it: the running totals and their
// colours, the balancing of the current source, and the keys of each field.
#include "EditorWindowSupport.h"

#include "support/widgets/ModalAnswer.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QTest>

namespace {

using testing_support::W;

TEST_F(EditorWindow, NewStatementOpensEmptyWithTodayAndTheDefaults) {
    store_.SetDefaultID(TStore::kFirmSlot, static_cast<int>(receiver_));
    store_.SetDefaultID(TStore::kBankSlot, static_cast<int>(bankB_));
    Show();
    EXPECT_EQ(FromQString(editor_->windowTitle()), "Редактор ведомости");
    EXPECT_EQ(FocusName(), "eBag");
    EXPECT_EQ(Text("eBag"), "");
    EXPECT_EQ(Find<QDateEdit>("Calendar").date(), QDate::currentDate());
    EXPECT_EQ(FromQString(Find<QComboBox>("cbFromFirm").currentText()), "Получатель");
    EXPECT_EQ(FromQString(Find<QComboBox>("cbToFirm").currentText()), "Получатель");
    EXPECT_EQ(FromQString(Find<QComboBox>("cbFromBank").currentText()), "Банк Б");
    EXPECT_EQ(FromQString(Find<QComboBox>("cbToBank").currentText()), "Банк Б");
    EXPECT_EQ(Find<QComboBox>("cbFromFirm").count(), 2);
    ASSERT_EQ(Cash().RowCount(), 16);
    EXPECT_EQ(Cash().Cell(0, 1), "5000 руб ");
    EXPECT_EQ(Cash().Cell(3, 15), "001");
    EXPECT_EQ(Cash().Cell(1, 1), "");
    EXPECT_EQ(Source().Cell(0, 1), "02. Торговая выручка");
    EXPECT_EQ(Source().Cell(1, 1), "");
    EXPECT_EQ(Text("LSum"), "0,00 руб.");
    EXPECT_EQ(Colour("LSum"), "green");
}

TEST_F(EditorWindow, TypingACountFillsTheCurrentSourceAndTheTotalsInGreen) {
    Show();
    TypeCell(Cash(), 1, "2");
    EXPECT_EQ(Cash().Cell(1, 1), "2");
    EXPECT_EQ(Source().Cell(1, 1), "10000,00");
    EXPECT_EQ(Text("LSum"), "10 000,00 руб.");
    EXPECT_EQ(Colour("LSum"), "green");
    EXPECT_EQ(Text("LSourceSum"), "10 000,00 р.");
    EXPECT_EQ(Colour("LSourceSum"), "green");
    // Backspace empties the count and the source again.
    Type("\b");
    EXPECT_EQ(Source().Cell(1, 1), "");
    EXPECT_EQ(Text("LSum"), "0,00 руб.");
}

TEST_F(EditorWindow, AnAmountTypedIntoAnotherSourceShowsTheDifferenceInRed) {
    AddSources(1);
    Show();
    TypeCell(Cash(), 3, "5"); // 5000 roubles on source 1
    TypeCell(Source(), 2, "1000");
    EXPECT_EQ(Source().Cell(1, 1), "5000,00"); // typing an amount balances nothing
    EXPECT_EQ(Text("LSourceSum"), "6 000,00 р. (разн. -1 000,00 р.)");
    EXPECT_EQ(Colour("LSourceSum"), "red");
    // Typing a count with source 2 current books the rest to source 2.
    TypeCell(Cash(), 3, "\b6");
    EXPECT_EQ(Source().Cell(1, 2), "1000,00");
    EXPECT_EQ(Source().Cell(1, 1), "5000,00");
    EXPECT_EQ(Text("LSourceSum"), "6 000,00 р.");
    EXPECT_EQ(Colour("LSourceSum"), "green");
}

TEST_F(EditorWindow, ACountAbove9999ShowsTheRowInRed) {
    Show();
    TypeCell(Cash(), 12, "10000");
    EXPECT_EQ(Text("LSum"), "Ошибка в 50 коп ");
    EXPECT_EQ(Colour("LSum"), "red");
    Type("\b");
    EXPECT_EQ(Text("LSum"), "500,00 руб.");
    EXPECT_EQ(Colour("LSum"), "green");
}

TEST_F(EditorWindow, CountsAndAmountsTakeOnlyTheirCharacters) {
    AddSources(1);
    Show();
    TypeCell(Cash(), 2, "1a-,.3");
    EXPECT_EQ(Cash().Cell(1, 2), "13");
    // The keys around the comma on both layouts type a comma.
    TypeCell(Source(), 2, "1.5");
    EXPECT_EQ(Source().Cell(1, 2), "1,5");
    TypeCell(Source(), 2, W(u8"\b\b\b2б5ю"));
    EXPECT_EQ(Source().Cell(1, 2), "2,5,");
    TypeCell(Source(), 1, "x-");
    EXPECT_EQ(Source().Cell(1, 1), "26000,00");
}

TEST_F(EditorWindow, BagAndField39DropMarkupCharactersTypedOrPasted) {
    Show();
    Type("A&<1>^2");
    EXPECT_EQ(Text("eBag"), "A12");
    EXPECT_EQ(editor_->State().Statement().BagNumber, "A12");
    auto& field39 = Find<QLineEdit>("eField39");
    field39.setFocus();
    QApplication::clipboard()->setText(ToQString("a<b>&c^\nd"));
    QTest::keyClick(&field39, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text("eField39"), "abcd");
    EXPECT_EQ(editor_->State().Statement().Field39, "abcd");
}

TEST_F(EditorWindow, EnterMovesOnInsteadOfTyping) {
    Show();
    Type("7");
    PressEnter();
    EXPECT_EQ(Text("eBag"), "7");
    EXPECT_EQ(FocusName(), "Cash");
    EXPECT_EQ(Cash().Row(), 1);
    PressEnter();
    EXPECT_EQ(Cash().Row(), 2);
    Cash().SetRow(15);
    PressEnter();
    EXPECT_EQ(FocusName(), "BtnOK");
    EXPECT_TRUE(editor_->isVisible());

    Find<QDateEdit>("Calendar").setFocus();
    PressEnter();
    EXPECT_EQ(FocusName(), "cbFromFirm");
    PressEnter();
    EXPECT_EQ(FocusName(), "cbToFirm");
    EXPECT_TRUE(editor_->isVisible());

    Find<QLineEdit>("eField39").setFocus();
    PressEnter();
    EXPECT_EQ(FocusName(), "Cash");
}

TEST_F(EditorWindow, TabFollowsTheFormOrder) {
    Show();
    std::vector<std::string> order{FocusName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(FocusName());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"eBag", "Cash", "Calendar", "cbFromFirm", "cbToFirm",
                                               "cbFromBank", "cbToBank", "BtnOK", "BtnCancel",
                                               "Source", "eField39", "BtnPrint"}));
}

TEST_F(EditorWindow, EscapeClosesWithoutSaving) {
    Show();
    Type("12");
    TypeCell(Cash(), 1, "1");
    const std::string before = testing_support::ReadFile(dir_ / "Documents.xml");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(editor_->result(), QDialog::Rejected);
    EXPECT_EQ(testing_support::ReadFile(dir_ / "Documents.xml"), before);
}

} // namespace
