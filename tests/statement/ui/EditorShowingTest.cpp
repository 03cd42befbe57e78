// The statement editor over several showings in one run, as a cashier uses
// it: each showing starts as the first did, an amount or a count typed over
// is replaced, a window restored after minimising keeps the typing, and a
// long stored bag number survives a save.
#include "EditorWindowSupport.h"

#include "statement/ui/TfmEarnSourceEditor.h"
#include "support/TestSupport.h"
#include "support/widgets/ModalAnswer.h"

#include <QApplication>
#include <QTest>

namespace {

// Clicks the amount (column 1) cell of a grid row, as a user would.
void ClickCell(TVertGrid& grid, int row) {
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

TEST_F(EditorWindow, AShowingThatEndedInAnAmountLeavesTheNextOneAsTheFirst) {
    for (int showing = 1; showing <= 3; ++showing) {
        SCOPED_TRACE(showing);
        Show();
        EXPECT_EQ(FocusName(), "eBag");
        Type("12");
        PressEnter();
        EXPECT_EQ(FocusName(), "Cash");
        ASSERT_NE(Cash().InplaceEditor(), nullptr);
        EXPECT_EQ(Cash().Row(), 1);
        // The first digit typed counts.
        Type("1");
        EXPECT_EQ(Cash().Cell(1, 1), "1");
        EXPECT_EQ(Text("LSum"), "5 000,00 руб.");
        // The showing ends while a source amount is being edited.
        ClickCell(Source(), 1);
        ASSERT_NE(Source().InplaceEditor(), nullptr);
        Click("BtnOK");
        EXPECT_FALSE(editor_->isVisible());
    }
    EXPECT_EQ(store_.Documents().RecordCount(), 3u);
}

// The window opens before it is active, as under a window manager: the
// current cells it sets then must leave no editor behind that holds no focus.
TEST_F(EditorWindow, AfterAShowingEndedInAnAmountTheFirstDigitOfTheNextCounts) {
    Show();
    Type("12");
    PressEnter();
    Type("1");
    PressEnter(); // the count of 2000 is current when the showing ends
    ClickCell(Source(), 1);
    ASSERT_NE(Source().InplaceEditor(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Source().InplaceEditor());
    Click("BtnOK");
    ASSERT_FALSE(editor_->isVisible());

    Show();
    Type("34");
    PressEnter();
    ASSERT_EQ(Cash().Row(), 1);
    ASSERT_NE(Cash().InplaceEditor(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Cash().InplaceEditor());
    Type("5");
    EXPECT_EQ(Cash().Cell(1, 1), "5");
    EXPECT_EQ(Text("LSum"), "25 000,00 руб.");
}

// Arriving at an amount or a count, by keys or by a click, selects it whole.
TEST_F(EditorWindow, TypingOverAnAmountOrACountReplacesIt) {
    AddSources(1);
    Show();
    FillValid();
    ASSERT_EQ(Source().Cell(1, 1), "5301,00");
    ClickCell(Source(), 1);
    Type("50000");
    EXPECT_EQ(Source().Cell(1, 1), "50000");
    ClickCell(Source(), 2);
    Type("300");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    ASSERT_EQ(Source().Row(), 1);
    Type("7");
    EXPECT_EQ(Source().Cell(1, 1), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    Type("8");
    EXPECT_EQ(Source().Cell(1, 2), "8");
    // Into the grid by Tab, onto the current source.
    Find<QPushButton>("BtnCancel").setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "Source");
    Type("9");
    EXPECT_EQ(Source().Cell(1, 2), "9");

    ClickCell(Cash(), 6);
    Type("4");
    EXPECT_EQ(Cash().Cell(1, 6), "4");
    // From the bag number by Enter, and on down the counts.
    Find<QLineEdit>("eBag").setFocus();
    PressEnter();
    ASSERT_EQ(Cash().Row(), 6);
    Type("5");
    EXPECT_EQ(Cash().Cell(1, 6), "5");
    for (int row = 6; row < 12; ++row) {
        PressEnter();
    }
    ASSERT_EQ(Cash().Row(), 12);
    Type("3");
    EXPECT_EQ(Cash().Cell(1, 12), "3");
    for (int row = 12; row > 6; --row) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    }
    ASSERT_EQ(Cash().Row(), 6);
    Type("6");
    EXPECT_EQ(Cash().Cell(1, 6), "6");
}

TEST_F(EditorWindow, RestoringAMinimisedWindowKeepsTheTyping) {
    Show();
    Type("12");
    TypeCell(Cash(), 3, "4");
    editor_->showMinimized();
    QApplication::processEvents();
    editor_->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(Text("eBag"), "12");
    EXPECT_EQ(Cash().Cell(1, 3), "4");
    EXPECT_EQ(Text("LSum"), "4 000,00 руб.");
}

TEST_F(EditorWindow, AStoredBagNumberLongerThanTheBoxIsShownAndSavedWhole) {
    Show();
    FillValid();
    Click("BtnOK");
    ASSERT_EQ(store_.Documents().RecordCount(), 1u);
    const std::string longBag(50, '7');
    TTable& documents = store_.Documents();
    documents.First();
    documents.Edit();
    documents.FieldByName("BagNumber").SetString(longBag);
    documents.Post();
    store_.SaveDocuments();
    const std::filesystem::path file = store_.TablePath(TStoreTable::Documents);
    const std::string before = testing_support::ReadFile(file);

    Show(documents.FieldByName("ID").AsInteger());
    EXPECT_EQ(Text("eBag"), longBag);
    Click("BtnOK");
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(testing_support::ReadFile(file), before);

    // A short number is still typed to the box's length.
    Show();
    Find<QLineEdit>("eBag").setFocus();
    Type(std::string(25, '1'));
    EXPECT_EQ(Text("eBag"), std::string(20, '1'));
}

TEST(EarnSourceEditor, EnterPressesTheFocusedButtonAndOKFromTheName) {
    TfmEarnSourceEditor editor;
    const auto enterOn = [](const char* name) {
        return [name](QWidget& window) {
            QApplication::setActiveWindow(&window);
            QWidget* target = window.findChild<QWidget*>(name);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
        };
    };
    {
        testing_support::ModalAnswer answer(enterOn("BtnCancel"));
        EXPECT_FALSE(editor.Execute({"7", "Выручка"}));
        EXPECT_TRUE(answer.Answered());
    }
    {
        testing_support::ModalAnswer answer(enterOn("BtnOK"));
        const auto fields = editor.Execute({"7", "Выручка"});
        ASSERT_TRUE(fields);
        EXPECT_EQ(fields->Name, "Выручка");
    }
    {
        testing_support::ModalAnswer answer(enterOn("EName"));
        EXPECT_TRUE(editor.Execute({"8", "Прочее"}));
    }
}

} // namespace
