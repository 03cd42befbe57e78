// The help window: version label, scrolling by wheel and arrows, Esc.
#include "app/HelpWindow.h"
#include "app/ProgramWindows.h"
#include "support/TestSupport.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

void Wheel(QWidget& target, int delta) {
    const QPointF at(target.width() / 2.0, target.height() / 2.0);
    QWheelEvent event(at, target.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&target, &event);
}

} // namespace

TEST(HelpWindowTest, VersionLabelNamesVersionAndFileDate) {
    TfmHelp help;
    const QString label = help.findChild<QLabel*>("LVersion")->text();
    // A test program has no version stamp: "Версия  [dd.mm.yyyy]".
    EXPECT_TRUE(QRegularExpression(ToQString("^Версия  \\[\\d\\d\\.\\d\\d\\.\\d{4}\\]$"))
                    .match(label)
                    .hasMatch())
        << label.toStdString();
    EXPECT_EQ(ToQString("Справка по программе"), help.windowTitle());
    EXPECT_EQ(QString("TfmHelp"), help.objectName());
}

TEST(HelpWindowTest, WheelAndArrowsScrollByFixedSteps) {
    TfmHelp help;
    help.resize(400, 200);
    help.show();
    QApplication::processEvents();
    QScrollBar* bar = help.Page()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    Wheel(*help.Page()->viewport(), -120);
    EXPECT_EQ(20, bar->value());
    Wheel(*help.Page()->viewport(), -240);
    EXPECT_EQ(60, bar->value());
    QTest::keyClick(&help, Qt::Key_Down);
    EXPECT_EQ(80, bar->value());
    QTest::keyClick(&help, Qt::Key_Up);
    QTest::keyClick(&help, Qt::Key_Up);
    EXPECT_EQ(40, bar->value());
    Wheel(*help.Page()->viewport(), 600);
    EXPECT_EQ(0, bar->value());
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

TEST(HelpWindowTest, PageShowsTheToolbarPictures) {
    TfmHelp help;
    for (const char* name : {"picture:add", "picture:copy", "picture:edit", "picture:delete",
                             "picture:print", "picture:register", "picture:help"}) {
        const QVariant image =
            help.Page()->document()->resource(QTextDocument::ImageResource, QUrl(name));
        EXPECT_FALSE(image.value<QImage>().isNull()) << name;
    }
    EXPECT_TRUE(help.Page()->toPlainText().contains("Data.txt"));
    for (const char* added : {"Новая по образцу", "Реестр за период", "Ctrl+F", "Реестр.rt3"}) {
        EXPECT_TRUE(help.Page()->toPlainText().contains(ToQString(added))) << added;
    }
}

TEST(ProgramWindowsTest, HelpIsReachedFromTheMainWindowAndShutDownWritesDataTxt) {
    testing_support::TempDir work;
    testing_support::TempDir program;
    {
        TProgramWindows windows(work.path(), program.path());
        windows.Show();
        QApplication::processEvents();
        EXPECT_TRUE(windows.Main().isVisible());
        EXPECT_FALSE(windows.Help().isVisible());
        EXPECT_FALSE(windows.ReferenceBooks().Browser().isVisible());
        EXPECT_EQ(QString("TfmBrowser"), windows.ReferenceBooks().Browser().objectName());
        EXPECT_EQ(QString("TfmFirmEditor"), windows.ReferenceBooks().FirmEditor().objectName());
        EXPECT_EQ(QString("TfmBankEditor"), windows.ReferenceBooks().BankEditor().objectName());
        EXPECT_FALSE(std::filesystem::exists(program / "Data.txt"));
    }
    EXPECT_TRUE(std::filesystem::exists(program / "Data.txt"));
}
