// The statement editor as the main window opens it: a new statement entered
// through the program's windows appears in the list.
#include "app/ProgramWindows.h"
#include "controls/VertGrid.h"
#include "report/render/QtReportServices.h"
#include "statement/DocumentEditorState.h"
#include "support/TableSupport.h"
#include "support/TestSupport.h"
#include "support/widgets/ModalAnswer.h"
#include "text/FormatSettings.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A working folder with a firm and a bank to choose.
void AddFirmAndBank(const testing_support::TempDir& dir) {
    TStore store(dir.path(), dir.path());
    ASSERT_TRUE(store.Open().empty());
    testing_support::AddFirstFirmAndBank(store);
    store.SaveFirms();
    store.SaveBanks();
}

TEST(EditorFromMain, ANewStatementIsSavedAndListed) {
    testing_support::TempDir dir;
    AddFirmAndBank(dir);
    // As the program's main does.
    ApplyMainWindowFormatSettings();
    TProgramWindows windows(dir.path(), dir.path());
    bool shown = false;
    testing_support::ModalAnswer answer([&](QWidget& window) {
        shown = window.objectName() == "TfmDocumentEditor";
        QApplication::setActiveWindow(&window);
        window.findChild<QLineEdit*>("eBag")->setText("77");
        auto& cash = *window.findChild<TVertGrid*>("Cash");
        cash.SetRow(3);
        cash.setFocus();
        QApplication::processEvents();
        QTest::keyClicks(cash.InplaceEditor(), "2");
        QTest::mouseClick(window.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
    });
    windows.Main().BtnAddClick();
    ASSERT_TRUE(answer.Answered());
    EXPECT_TRUE(shown);
    const auto& list = *windows.Main().findChild<TVertGrid*>("Table");
    EXPECT_EQ(list.Cell(3, 1), "77");
    EXPECT_EQ(list.Cell(4, 1), "2 000,00");
    EXPECT_EQ(list.Cell(1, 1), "Первая");
    EXPECT_EQ(windows.Main().Store().Documents().RecordCount(), 1u);
    InitFormatSettings();
}

TEST(EditorFromMain, PrintShowsTheFormInThePreviewWindow) {
    testing_support::TempDir dir;
    AddFirmAndBank(dir);
    testing_support::CopyShippedTemplates(dir.path());
    TProgramWindows windows(dir.path(), dir.path(), MakeQtReportServices());
    TDocumentEditorState state(windows.Main().Store());
    state.Load(Now());
    state.SetBagNumber("12");
    state.SetCount(1, "1");
    ASSERT_TRUE(state.Save());
    windows.Main().RefreshList();

    std::string shown;
    testing_support::ModalAnswer answer([&](QWidget& window) {
        shown = window.metaObject()->className();
        window.close();
    });
    windows.Main().BtnPrintClick();
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(shown, "TfmReport3Preview");
    EXPECT_FALSE(windows.DocumentEditor().isVisible());
    InitFormatSettings();
}

TEST(EditorFromMain, AnUnreadableFirmsTableStopsNewBeforeTheEditorOpens) {
    testing_support::TempDir dir;
    AddFirmAndBank(dir);
    {
        TStore store(dir.path(), dir.path());
        ASSERT_TRUE(store.Open().empty());
        TDocumentEditorState state(store);
        state.Load(Now());
        state.SetBagNumber("12");
        state.SetCount(1, "1");
        ASSERT_TRUE(state.Save());
    }
    // Cut short, as a failed copy leaves it.
    const std::filesystem::path firms = dir.path() / "Firms.xml";
    const std::string bytes = testing_support::ReadFile(firms);
    testing_support::WriteFile(firms, bytes.substr(0, bytes.size() / 2));

    TProgramWindows windows(dir.path(), dir.path());
    // The statement is still listed, its firm's name empty.
    const auto& list = *windows.Main().findChild<TVertGrid*>("Table");
    ASSERT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.Cell(3, 1), "12");
    EXPECT_EQ(list.Cell(1, 1), "");
    EXPECT_EQ(list.Cell(2, 1), "Первая");

    std::vector<std::string> shown;
    testing_support::ModalAnswer answer([&](QWidget& window) {
        shown.push_back(window.objectName().toStdString());
        window.close();
    });
    // Should the editor open after all, it is closed rather than hang the run.
    QTimer::singleShot(3000, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown.push_back(modal->objectName().toStdString());
            modal->close();
        }
    });
    QTest::mouseClick(windows.Main().findChild<QToolButton*>("BtnAdd"), Qt::LeftButton);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(shown, std::vector<std::string>{"MessageBox"});
    EXPECT_NE(answer.Text().indexOf("Firms.xml"), -1) << answer.Text().toStdString();
    EXPECT_FALSE(windows.DocumentEditor().isVisible());
    EXPECT_EQ(testing_support::ReadFile(firms), bytes.substr(0, bytes.size() / 2));
    InitFormatSettings();
}

} // namespace
