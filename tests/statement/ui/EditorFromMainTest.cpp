// The statement editor as the main window opens it: a new statement entered
// through the program's windows appears in the list.
#include "app/ProgramWindows.h"
#include "controls/VertGrid.h"
#include "report/render/QtReportServices.h"
#include "statement/DocumentEditorState.h"
#include "statement/StatementTemplate.h"
#include "support/TestSupport.h"
#include "support/widgets/ModalAnswer.h"
#include "text/FormatSettings.h"
#include "text/Paths.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A working folder with a firm and a bank to choose.
void AddFirmAndBank(const testing_support::TempDir& dir) {
    TStore store(dir.path(), dir.path());
    ASSERT_TRUE(store.Open().empty());
    for (TTable* table : {&store.Firms(), &store.Banks()}) {
        table->Append();
        table->FieldByName("Name").SetString("Первая");
        table->Post();
    }
    store.SaveFirms();
    store.SaveBanks();
}

TEST(EditorFromMain, ANewStatementIsSavedAndListed) {
    testing_support::TempDir dir;
    AddFirmAndBank(dir);
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
    const std::filesystem::path name = PathFromText(kStatementTemplateName);
    std::filesystem::copy_file(testing_support::SourceDir() / "data" / name, dir.path() / name);
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

} // namespace
