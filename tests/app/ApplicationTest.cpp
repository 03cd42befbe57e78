// Errors that escape a window's handler are shown in the application's error
// box and end only that action.
#include "controls/ActionRunner.h"
#include "support/widgets/ModalAnswer.h"
#include "text/Errors.h"
#include "text/qt/QtCodec.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A window whose key handler fails on its first key only.
class TFailingWidget : public QWidget {
public:
    int Clicks = 0;

protected:
    void keyPressEvent(QKeyEvent*) override {
        if (++Clicks == 1) {
            throw EFileError("Cannot open file \"x.xml\". No such file or directory");
        }
    }
};

} // namespace

TEST(ApplicationTest, AnErrorFromAnyHandlerIsShownAndTheProgramRunsOn) {
    TFailingWidget widget;
    widget.resize(100, 100);
    widget.show();
    {
        ModalAnswer answer(ClickButton(ToQString("ОК")));
        QTest::keyClick(&widget, Qt::Key_A);
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(ToQString("Препроводительная ведомость"), answer.Title());
        // The full stop is added once.
        EXPECT_EQ(ToQString("Cannot open file \"x.xml\". No such file or directory."),
                  answer.Text());
    }
    QTest::keyClick(&widget, Qt::Key_A);
    EXPECT_EQ(2, widget.Clicks);

    // A failing timer is caught the same way.
    ModalAnswer answer(ClickButton(ToQString("ОК")));
    bool after = false;
    QTimer::singleShot(0, [] { throw EAppError("Ошибка."); });
    QTimer::singleShot(20, [&after] { after = true; });
    QTRY_VERIFY(after);
    EXPECT_EQ(ToQString("Ошибка."), answer.Text());
}

TEST(ApplicationTest, RunUserActionTellsWhetherTheActionFinished) {
    EXPECT_TRUE(RunUserAction([] {}));
    ModalAnswer answer(ClickButton(ToQString("ОК")));
    EXPECT_FALSE(RunUserAction([] { throw std::runtime_error("plain"); }));
    EXPECT_EQ(QString("plain."), answer.Text());
}

TEST(ApplicationTest, TheToolkitsOwnDialogsSpeakRussian) {
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    const auto* model = files.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column) {
        headers << model->headerData(column, Qt::Horizontal).toString();
    }
    EXPECT_EQ(headers.join("|"), ToQString("Имя|Размер|Тип|Дата изменения"));
    QStringList labels;
    for (const QLabel* label : files.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains(ToQString("&Имя файла:"))) << labels.join("|").toStdString();
    // The places beside the folders: "Computer" and the like.
    EXPECT_EQ(model->myComputer().toString(), ToQString("Компьютер"));

    QPrinter printer;
    QPrintDialog print(&printer);
    EXPECT_EQ(print.windowTitle(), ToQString("Печать"));
}
