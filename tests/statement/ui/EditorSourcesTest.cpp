// The earn-source buttons of the statement editor and the small earn-source
// dialog, answered as a user would.
#include "EditorWindowSupport.h"

#include "statement/EarnSources.h"
#include "support/widgets/ModalAnswer.h"

#include <QApplication>
#include <QTest>

#include <optional>

namespace {

using testing_support::ClickButton;
using testing_support::ModalAnswer;

class EditorSources : public EditorWindow {
protected:
    std::vector<TEarnSource> Stored() { return BuildEarnSourceList(store_.EarnSources()); }
};

QLineEdit& Field(QWidget& window, const char* name) {
    return *window.findChild<QLineEdit*>(name);
}

// The dialog gets the keys (the offscreen platform activates no window).
void Activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(EditorSources, AddTakesTheTypedSymbolAndNameThroughTheDialog) {
    Show();
    std::string caption;
    ModalAnswer answer([&](QWidget& window) {
        caption = FromQString(window.windowTitle());
        Activate(window);
        EXPECT_EQ(QApplication::focusWidget(), &Field(window, "ECode"));
        Type("0a5");
        PressEnter(); // moves to the name
        EXPECT_EQ(QApplication::focusWidget(), &Field(window, "EName"));
        Type("  Прочие <доходы>");
        PressEnter(); // presses OK
    });
    Click("BtnAddSource");
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(caption, "Источник поступления");
    ASSERT_EQ(Source().RowCount(), 3);
    EXPECT_EQ(Source().Cell(0, 2), "05. Прочие доходы");
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[1].Symbol, "05");
    EXPECT_EQ(Stored()[1].Name, "Прочие доходы");
}

TEST_F(EditorSources, TheDialogRefusesAZeroSymbolAndReportsAPastedForbiddenName) {
    Show();
    std::optional<ModalAnswer> message;
    ModalAnswer answer([&](QWidget& window) {
        Activate(window);
        QLineEdit& code = Field(window, "ECode");
        QLineEdit& name = Field(window, "EName");
        EXPECT_EQ(FromQString(code.text()), "02");
        EXPECT_EQ(FromQString(name.text()), "Торговая выручка");
        code.setText("000");
        QTest::mouseClick(window.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), &code);
        code.setText(" 7 ");
        name.setText(ToQString("Выручка & прочее"));
        message.emplace(ClickButton(ToQString("ОК")));
        QTest::mouseClick(window.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(FromQString(code.text()), "7");
        QTest::mouseClick(window.findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
    });
    Click("BtnEditSource");
    ASSERT_TRUE(answer.Answered());
    ASSERT_TRUE(message && message->Answered());
    EXPECT_EQ(FromQString(message->Text()),
              "Обнаружены недопустимые символы в поле \"Наименование\"");
    // Cancelled: the source is as it was.
    EXPECT_EQ(Source().Cell(0, 1), "02. Торговая выручка");
    EXPECT_EQ(Stored()[0].Symbol, "02");
}

TEST_F(EditorSources, ChangeRenamesTheCurrentSourceAndKeepsItsAmount) {
    AddSources(1);
    Show();
    TypeCell(Cash(), 1, "1");
    TypeCell(Source(), 2, "100");
    ModalAnswer answer([&](QWidget& window) {
        Field(window, "ECode").setText("9");
        Field(window, "EName").setText(ToQString("Аренда"));
        QTest::mouseClick(window.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
    });
    Click("BtnEditSource");
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(Source().Cell(0, 2), "9. Аренда");
    EXPECT_EQ(Source().Cell(1, 2), "100");
    EXPECT_EQ(Source().Cell(0, 1), "02. Торговая выручка");
    EXPECT_EQ(Stored()[1].Name, "Аренда");
}

TEST_F(EditorSources, DeletingASourceMovesTheAmountsBelowItUpWithTheirSources) {
    AddSources(2);
    Show();
    TypeCell(Cash(), 3, "1"); // 1000 roubles on source 1
    TypeCell(Source(), 3, "300");
    TypeCell(Source(), 2, "200");
    ModalAnswer no(ClickButton(ToQString("Нет")));
    Click("BtnDeleteSource");
    ASSERT_TRUE(no.Answered());
    EXPECT_EQ(FromQString(no.Text()), "Вы действительно хотите удалить \"2. Источник 2\"?");
    EXPECT_EQ(Stored().size(), 3u);

    ModalAnswer yes(ClickButton(ToQString("Да")));
    Click("BtnDeleteSource");
    ASSERT_TRUE(yes.Answered());
    ASSERT_EQ(Source().RowCount(), 3);
    EXPECT_EQ(Source().Cell(0, 2), "3. Источник 3");
    EXPECT_EQ(Source().Cell(1, 2), "300");
    EXPECT_EQ(Source().Cell(1, 1), "1000,00");
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[1].Name, "Источник 3");
    // The totals are compared again, nothing is balanced.
    EXPECT_EQ(Text("LSourceSum"), "1 300,00 р. (разн. -300,00 р.)");
    EXPECT_EQ(Colour("LSourceSum"), "red");
}

TEST_F(EditorSources, TheOnlySourceIsNotDeletedButOfferedForChange) {
    Show();
    std::optional<ModalAnswer> change;
    ModalAnswer warning([&](QWidget& window) {
        change.emplace(ClickButton(ToQString("Отменить")));
        ClickButton(ToQString("ОК"))(window);
    });
    Click("BtnDeleteSource");
    ASSERT_TRUE(warning.Answered());
    EXPECT_EQ(FromQString(warning.Text()),
              "Нельзя удалить все виды источников поступления средств.\n"
              "Вместо удаления, введите новые данные в имеющийся элемент");
    ASSERT_TRUE(change && change->Answered());
    EXPECT_EQ(FromQString(change->Title()), "Источник поступления");
    EXPECT_EQ(Stored().size(), 1u);
    EXPECT_EQ(Source().Cell(0, 1), "02. Торговая выручка");
}

} // namespace
