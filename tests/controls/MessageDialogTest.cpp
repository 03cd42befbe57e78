// The message windows, opened for real and answered as a user would.
#include "controls/MessageDialog.h"
#include "support/widgets/ModalAnswer.h"
#include "text/qt/QtCodec.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

using testing_support::ClickButton;
using testing_support::ModalAnswer;
using testing_support::PressKey;

namespace {

// The captions of the window's buttons, left to right.
QStringList ButtonCaptions(QWidget& window) {
    std::vector<QPushButton*> buttons;
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        buttons.push_back(button);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList captions;
    for (QPushButton* button : buttons) {
        captions << button->text();
    }
    return captions;
}

} // namespace

TEST(MessageDialogTest, EachButtonSetAnswersWithItsNumbers) {
    struct Case {
        unsigned Flags;
        const char* Click;
        int Answer;
        int Escape;
    };
    const Case cases[] = {
        {kMbOk, "ОК", kIdOk, kIdOk},
        {kMbOkCancel, "Отменить", kIdCancel, kIdCancel},
        {kMbAbortRetryIgnore, "Прервать", kIdAbort, kIdIgnore},
        {kMbYesNoCancel, "Нет", kIdNo, kIdCancel},
        {kMbYesNo, "Да", kIdYes, kIdNo},
        {kMbRetryCancel, "Повтор", kIdRetry, kIdCancel},
    };
    for (const Case& c : cases) {
        {
            ModalAnswer answer(ClickButton(ToQString(c.Click)));
            EXPECT_EQ(c.Answer, MessageDialog("Текст", c.Flags)) << c.Flags;
            EXPECT_TRUE(answer.Answered());
        }
        ModalAnswer escape(PressKey(Qt::Key_Escape));
        EXPECT_EQ(c.Escape, MessageDialog("Текст", c.Flags)) << c.Flags;
    }
}

TEST(MessageDialogTest, ButtonsAreLaidOutInTheirOrderWithRussianCaptions) {
    QStringList captions;
    ModalAnswer answer([&captions](QWidget& window) {
        captions = ButtonCaptions(window);
        window.close();
    });
    MessageDialog("Повторить?", kMbAbortRetryIgnore);
    EXPECT_EQ(QStringList({ToQString("Повторить"), ToQString("Прервать"), ToQString("Пропустить")}),
              captions);
}

TEST(MessageDialogTest, EnterPressesTheButtonThatHasTheFocus) {
    {
        ModalAnswer answer(PressKey(Qt::Key_Return));
        EXPECT_EQ(kIdYes, MessageDialog("Вопрос", kMbYesNoCancel | kMbIconQuestion));
    }
    {
        ModalAnswer answer(PressKey(Qt::Key_Return));
        EXPECT_EQ(kIdNo, MessageDialog("Вопрос", kMbYesNoCancel | kMbDefButton2));
    }
    {
        ModalAnswer answer(PressKey(Qt::Key_Return));
        EXPECT_EQ(kIdCancel, MessageDialog("Вопрос", kMbYesNoCancel | kMbDefButton3));
    }
    // A third button where there are two: the first keeps the focus.
    ModalAnswer answer(PressKey(Qt::Key_Return));
    EXPECT_EQ(kIdYes, MessageDialog("Вопрос", kMbYesNo | kMbDefButton3));
}

TEST(MessageDialogTest, WindowSizeFollowsTextIconAndButtonCount) {
    struct Seen {
        QSize Client;
        QRect Text;
        QRect Icon;
        std::vector<QRect> Buttons;
        QString Title;
    };
    const auto look = [](Seen& seen) {
        return [&seen](QWidget& window) {
            seen.Client = window.size();
            seen.Title = window.windowTitle();
            seen.Text = window.findChild<QLabel*>("Message")->geometry();
            if (QLabel* icon = window.findChild<QLabel*>("Image")) {
                seen.Icon = icon->geometry();
            }
            for (QPushButton* button : window.findChildren<QPushButton*>()) {
                seen.Buttons.push_back(button->geometry());
            }
            window.close();
        };
    };
    Seen plain;
    {
        ModalAnswer answer(look(plain));
        MessageDialog("a", kMbOk);
    }
    // A short text takes the least text box: 256 by 48.
    EXPECT_EQ(QSize(256 + 24, 48 + 52), plain.Client);
    EXPECT_EQ(QRect(8, 8, 256, 48), plain.Text);
    EXPECT_TRUE(plain.Icon.isNull());
    ASSERT_EQ(1u, plain.Buttons.size());
    EXPECT_EQ(QRect(140 - 50, 48 + 16, 100, 28), plain.Buttons[0]);
    EXPECT_EQ(QString(), plain.Title);

    Seen three;
    {
        ModalAnswer answer(look(three));
        MessageDialog("a", kMbYesNoCancel | kMbIconWarning, "Заголовок");
    }
    EXPECT_EQ(QSize(32 + 384 + 48, 48 + 52), three.Client);
    EXPECT_EQ(QRect(64, 8, 384, 48), three.Text);
    EXPECT_EQ(QRect(16, 8 + 8, 32, 32), three.Icon);
    EXPECT_EQ(ToQString("Заголовок"), three.Title);
    std::vector<int> lefts;
    for (const QRect& button : three.Buttons) {
        lefts.push_back(button.x());
    }
    std::sort(lefts.begin(), lefts.end());
    EXPECT_EQ(std::vector<int>({232 - 158, 232 - 50, 232 + 58}), lefts);

    // Line breaks make the text box taller, and the window with it.
    Seen tall;
    {
        ModalAnswer answer(look(tall));
        MessageDialog("1\n2\n3\n4\n5\n6", kMbOk);
    }
    EXPECT_GT(tall.Text.height(), 48);
    EXPECT_EQ(tall.Text.height() + 52, tall.Client.height());
}

TEST(MessageDialogTest, FormatsItsArgumentsAndShowsPlainTextAsItIs) {
    {
        ModalAnswer answer(ClickButton(ToQString("Да")));
        MessageDialog("Вы действительно хотите удалить \"%s\"?", {"Выручка"}, kMbYesNo);
        EXPECT_EQ(ToQString("Вы действительно хотите удалить \"Выручка\"?"), answer.Text());
    }
    // Without arguments a percent sign is no pattern, and markup stays text.
    ModalAnswer answer(ClickButton(ToQString("ОК")));
    MessageDialog("100% <b>", kMbOk);
    EXPECT_EQ(QString("100% <b>"), answer.Text());
}

TEST(ShowMessageBoxTest, AnswersWithTheButtonPressed) {
    {
        ModalAnswer answer(ClickButton(ToQString("Нет")));
        EXPECT_EQ(kIdNo, ShowMessageBox("Удалить?", "", kMbYesNo | kMbIconQuestion));
        EXPECT_EQ(QString(), answer.Title());
    }
    {
        ModalAnswer answer(PressKey(Qt::Key_Return));
        EXPECT_EQ(kIdNo, ShowMessageBox("Удалить?", "", kMbYesNo | kMbDefButton2));
    }
    {
        ModalAnswer answer(PressKey(Qt::Key_Escape));
        EXPECT_EQ(kIdCancel, ShowMessageBox("Ещё?", "", kMbYesNoCancel));
    }
    ModalAnswer answer(PressKey(Qt::Key_Escape));
    EXPECT_EQ(kIdOk, ShowMessageBox("Ошибка", "Препроводительная ведомость", kMbOk | kMbIconError));
    EXPECT_EQ(ToQString("Препроводительная ведомость"), answer.Title());
}

TEST(MessageDialogTest, BothBoxesSayWhatKindTheyAreAndShowACarriageReturnAsABreak) {
    const struct {
        unsigned Flags;
        QMessageBox::Icon Kind;
    } kinds[] = {
        {kMbIconError, QMessageBox::Critical},  {kMbIconQuestion, QMessageBox::Question},
        {kMbIconWarning, QMessageBox::Warning}, {kMbIconInformation, QMessageBox::Information},
        {kMbOk, QMessageBox::NoIcon},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.Flags);
        QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
        {
            ModalAnswer answer([&](QWidget& window) {
                boxIcon = qobject_cast<QMessageBox*>(&window)->icon();
                ClickButton(ToQString("ОК"))(window);
            });
            ShowMessageBox("Ошибка печати отчета:\rнет бумаги", "", kind.Flags | kMbOk);
            ASSERT_TRUE(answer.Answered());
            EXPECT_EQ(answer.Text(), ToQString("Ошибка печати отчета:\nнет бумаги"));
        }
        EXPECT_EQ(boxIcon, kind.Kind);

        QVariant dialogIcon;
        QAccessible::Role role = QAccessible::NoRole;
        ModalAnswer answer([&](QWidget& window) {
            dialogIcon = window.property("icon");
            role = QAccessible::queryAccessibleInterface(&window)->role();
            ClickButton(ToQString("ОК"))(window);
        });
        MessageDialog("Ошибка печати отчета:\r\nнет бумаги", kind.Flags | kMbOk);
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(answer.Text(), ToQString("Ошибка печати отчета:\nнет бумаги"));
        EXPECT_EQ(dialogIcon.value<QMessageBox::Icon>(), kind.Kind);
        EXPECT_EQ(role, QAccessible::AlertMessage);
    }
}
