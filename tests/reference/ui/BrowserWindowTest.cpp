// The reference browser driven as a user drives it, opened the way the
// statement editor opens it; the table files are checked afterwards.
#include "controls/ActionRunner.h"
#include "controls/VertGrid.h"
#include "reference/ReferenceRecords.h"
#include "reference/ReferenceTestSupport.h"
#include "reference/ui/ReferenceBooks.h"
#include "reference/ui/TfmBankEditor.h"
#include "reference/ui/TfmBrowser.h"
#include "reference/ui/TfmFirmEditor.h"
#include "store/StoreError.h"
#include "text/qt/QtCodec.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace reference_testing;

namespace {

TVertGrid& List(QWidget& browser) {
    return Child<TVertGrid>(browser, "List");
}

// The texts of a grid row, or of every data row joined by "|" per row.
std::vector<std::string> Rows(QWidget& browser) {
    TVertGrid& list = List(browser);
    std::vector<std::string> rows;
    for (int row = 1; row < list.RowCount(); ++row) {
        rows.push_back(list.Cell(0, row) + "|" + list.Cell(1, row) + "|" + list.Cell(2, row));
    }
    return rows;
}

QPoint CellCentre(TVertGrid& list, int col, int row) {
    return list.visualRect(list.model()->index(row - 1, col)).center();
}

// A double click as the system delivers it: a click, then the double click.
void DoubleClickAt(TVertGrid& list, QPoint at) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

void DoubleClick(QWidget& browser, int col, int row) {
    TVertGrid& list = List(browser);
    DoubleClickAt(list, CellCentre(list, col, row));
}

void ClickTool(QWidget& browser, const char* button) {
    QTest::mouseClick(&Child<QAbstractButton>(browser, button), Qt::LeftButton);
}

// Answers the delete question with the button of this object name and
// records the question's text and title.
void AnswerQuestion(const char* button, std::string* text, std::string* title) {
    WhenModal("MessageBox", [=](QWidget& box) {
        *title = FromQString(box.windowTitle());
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            if (!label->text().isEmpty() && label->pixmap().isNull()) {
                *text = FromQString(label->text());
            }
        }
        QTest::mouseClick(&Child<QAbstractButton>(box, button), Qt::LeftButton);
    });
}

ino_t Inode(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

} // namespace

class Browser : public TReferenceTest {
protected:
    void SetUp() override {
        TReferenceTest::SetUp();
        browser_ = std::make_unique<TfmBrowser>(*store_, RunUserAction);
        firmEditor_ = std::make_unique<TfmFirmEditor>(*store_, RunUserAction);
        bankEditor_ = std::make_unique<TfmBankEditor>(*store_, RunUserAction);
    }

    // The request the statement editor makes for its paying firm.
    TBrowserSetup FirmRequest(int selected = 0) {
        return {"Выберите организацию-вноситель", TStoreTable::Firms, TStore::kFirmSlot,
                firmEditor_.get(), selected};
    }
    TBrowserSetup BankRequest(int selected = 0) {
        return {"Выберите банк-получатель", TStoreTable::Banks, TStore::kBankSlot,
                bankEditor_.get(), selected};
    }

    std::unique_ptr<TfmBrowser> browser_;
    std::unique_ptr<TfmFirmEditor> firmEditor_;
    std::unique_ptr<TfmBankEditor> bankEditor_;
};

TEST_F(Browser, ShowsItsControlsAndTheCallersCaption) {
    AddFirm("Альфа");
    WhenModal("TfmBrowser", [](QWidget& w) {
        EXPECT_EQ(FromQString(w.windowTitle()), "Выберите организацию-вноситель");
        EXPECT_EQ(w.size(), QSize(450, 255));
        const std::pair<const char*, const char*> hints[] = {
            {"BtnAdd", "Добавить"}, {"BtnEdit", "Редактировать"}, {"BtnDelete", "Удалить"}};
        for (const auto& [name, hint] : hints) {
            auto& button = Child<QAbstractButton>(w, name);
            EXPECT_EQ(FromQString(button.toolTip()), hint);
            EXPECT_EQ(button.size(), QSize(29, 29));
        }
        TVertGrid& list = List(w);
        EXPECT_EQ(list.Titles(),
                  (std::vector<std::string>{"Ред.", "Наименование", "Исп. по умолчанию"}));
        EXPECT_EQ(list.ColWidth(0), 34);
        EXPECT_EQ(list.ColWidth(1), 262);
        EXPECT_EQ(list.ColWidth(2), 123);
        EXPECT_EQ(list.Options(), kListGridOptions);
        EXPECT_EQ(QApplication::focusWidget(), &list);
        QTest::keyClick(&list, Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(FirmRequest()));
}

TEST_F(Browser, ListsRecordsNotDeletedNumberedWithoutGapsAndMarksTheDefault) {
    const int a = AddFirm("Альфа");
    const int b = AddFirm("Бета");
    const int c = AddFirm("Гамма");
    MarkRecordDeleted(TStoreTable::Firms, b);
    store_->SetDefaultID(TStore::kFirmSlot, c);
    WhenModal("TfmBrowser", [&](QWidget& w) {
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Альфа|", "2|Гамма|Да"}));
        EXPECT_EQ(List(w).Object(0, 1), a);
        EXPECT_EQ(List(w).Object(0, 2), c);
        EXPECT_EQ(List(w).Row(), 2); // the preselected record
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(FirmRequest(c)));
    EXPECT_EQ(browser_->SelectedID(), c);
}

TEST_F(Browser, APreselectedRecordThatIsDeletedOrMissingLeavesTheFirstRowSelected) {
    AddBank("Первый");
    const int second = AddBank("Второй");
    MarkRecordDeleted(TStoreTable::Banks, second);
    for (const int preselected : {second, 99}) {
        WhenModal("TfmBrowser", [](QWidget& w) {
            EXPECT_EQ(List(w).Row(), 1);
            QTest::keyClick(&List(w), Qt::Key_Return);
        });
        EXPECT_TRUE(browser_->Execute(BankRequest(preselected)));
        EXPECT_EQ(browser_->SelectedID(), 1);
    }
}

TEST_F(Browser, WithEveryRecordDeletedOneEmptyRowCannotBeChosen) {
    const int only = AddFirm("Единственная");
    MarkRecordDeleted(TStoreTable::Firms, only);
    WhenModal("TfmBrowser", [](QWidget& w) {
        EXPECT_EQ(List(w).RowCount(), 2);
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"||"}));
        EXPECT_EQ(List(w).Object(0, 1), 0);
        QTest::keyClick(&List(w), Qt::Key_Return);
        DoubleClick(w, 1, 1);
        ClickTool(w, "BtnEdit");
        ClickTool(w, "BtnDelete");
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeModalWidget(), &w); // nothing chosen, nothing opened
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(FirmRequest(5)));
    EXPECT_EQ(browser_->SelectedID(), 5);
}

TEST_F(Browser, EnterOrADoubleClickOnTheNameChoosesTheRecord) {
    AddFirm("Альфа");
    const int b = AddFirm("Бета");
    WhenModal("TfmBrowser", [](QWidget& w) {
        QTest::keyClick(&List(w), Qt::Key_Down);
        QTest::keyClick(&List(w), Qt::Key_Return);
    });
    EXPECT_TRUE(browser_->Execute(FirmRequest()));
    EXPECT_EQ(browser_->SelectedID(), b);

    WhenModal("TfmBrowser", [](QWidget& w) { DoubleClick(w, 1, 1); });
    EXPECT_TRUE(browser_->Execute(FirmRequest(b)));
    EXPECT_EQ(browser_->SelectedID(), 1);
}

TEST_F(Browser, DoubleClicksOutsideTheRecordsDoNothing) {
    AddFirm("Альфа");
    WhenModal("TfmBrowser", [](QWidget& w) {
        TVertGrid& list = List(w);
        const QPoint belowRows = CellCentre(list, 1, 1) + QPoint(0, 3 * list.rowHeight(0));
        DoubleClickAt(list, belowRows);
        const QRect titles = list.horizontalHeader()->geometry();
        QTest::mouseDClick(list.horizontalHeader()->viewport(), Qt::LeftButton, {},
                           QPoint(50, titles.height() / 2));
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeModalWidget(), &w);
        QTest::keyClick(&list, Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(FirmRequest()));
}

TEST_F(Browser, ADoubleClickOnTheDefaultColumnMovesTheMarkAndRewritesTheConfiguration) {
    const int a = AddBank("Первый");
    const int b = AddBank("Второй");
    store_->SetDefaultID(TStore::kBankSlot, a);
    store_->SaveConfig();
    WhenModal("TfmBrowser", [&](QWidget& w) {
        DoubleClick(w, 2, 2);
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Первый|", "2|Второй|Да"}));
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(BankRequest()));
    EXPECT_EQ(store_->DefaultID(TStore::kBankSlot), b);
    EXPECT_EQ(store_->DefaultID(TStore::kFirmSlot), 0);
    EXPECT_EQ(FileBytes(TStoreTable::Config), store_->Config().SaveToBytes(TTableVariant::Utf8));
    TStore reopened(work_.path(), program_.path());
    ASSERT_TRUE(reopened.Open().empty());
    EXPECT_EQ(reopened.DefaultID(TStore::kBankSlot), b);
}

TEST_F(Browser, ADoubleClickOnTheEmptyRowsDefaultCellClearsTheDefault) {
    const int only = AddBank("Единственный");
    store_->SetDefaultID(TStore::kBankSlot, only);
    MarkRecordDeleted(TStoreTable::Banks, only);
    WhenModal("TfmBrowser", [](QWidget& w) {
        DoubleClick(w, 2, 1);
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(BankRequest()));
    EXPECT_EQ(store_->DefaultID(TStore::kBankSlot), 0);
    TStore reopened(work_.path(), program_.path());
    ASSERT_TRUE(reopened.Open().empty());
    EXPECT_EQ(reopened.DefaultID(TStore::kBankSlot), 0);
}

TEST_F(Browser, WithoutASlotThereIsNoDefaultColumn) {
    const int a = AddFirm("Альфа");
    store_->SetDefaultID(TStore::kFirmSlot, a);
    const std::string config = FileBytes(TStoreTable::Config);
    TBrowserSetup request = FirmRequest();
    request.Slot = 0;
    WhenModal("TfmBrowser", [](QWidget& w) {
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Альфа|"}));
        DoubleClick(w, 2, 1);
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(request));
    EXPECT_EQ(store_->DefaultID(TStore::kFirmSlot), a);
    EXPECT_EQ(FileBytes(TStoreTable::Config), config);
}

TEST_F(Browser, DeletingAskedAndAnsweredYesMarksTheRecordAndRewritesBothTables) {
    AddFirm("Альфа");
    const int b = AddFirm("ООО \"Бета\"");
    AddFirm("Гамма");
    AddBank("Банк");
    const std::string banks = FileBytes(TStoreTable::Banks);
    const ino_t banksFile = Inode(store_->TablePath(TStoreTable::Banks));
    std::string question;
    std::string title = "?";
    WhenModal("TfmBrowser", [&](QWidget& w) {
        QTest::mouseClick(List(w).viewport(), Qt::LeftButton, {}, CellCentre(List(w), 1, 2));
        AnswerQuestion("Yes", &question, &title);
        ClickTool(w, "BtnDelete");
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Альфа|", "2|Гамма|"}));
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(FirmRequest()));
    EXPECT_EQ(question, "Вы действительно хотите удалить \"ООО \"Бета\"\"?");
    EXPECT_EQ(title, "");
    ASSERT_TRUE(store_->Firms().Locate(b));
    EXPECT_EQ(store_->Firms().FieldByName("Deleted").AsInteger(), 1);
    EXPECT_EQ(store_->Firms().RecordCount(), 3u);
    EXPECT_EQ(FileBytes(TStoreTable::Firms), store_->Firms().SaveToBytes(TTableVariant::Utf8));
    EXPECT_EQ(FileBytes(TStoreTable::Banks), banks);
    EXPECT_NE(Inode(store_->TablePath(TStoreTable::Banks)), banksFile); // written anew
}

TEST_F(Browser, DeletingAnsweredNoChangesNothing) {
    AddBank("Первый");
    AddBank("Второй");
    const std::string banks = FileBytes(TStoreTable::Banks);
    const ino_t banksFile = Inode(store_->TablePath(TStoreTable::Banks));
    const ino_t firmsFile = Inode(store_->TablePath(TStoreTable::Firms));
    std::string question;
    std::string title;
    WhenModal("TfmBrowser", [&](QWidget& w) {
        AnswerQuestion("No", &question, &title);
        ClickTool(w, "BtnDelete");
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Первый|", "2|Второй|"}));
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(BankRequest()));
    EXPECT_EQ(question, "Вы действительно хотите удалить \"Первый\"?");
    EXPECT_EQ(FileBytes(TStoreTable::Banks), banks);
    EXPECT_EQ(Inode(store_->TablePath(TStoreTable::Banks)), banksFile);
    EXPECT_EQ(Inode(store_->TablePath(TStoreTable::Firms)), firmsFile);
}

TEST_F(Browser, AFailedSaveWhileDeletingIsReportedAndTheListShowsWhatIsInMemory) {
    AddFirm("Альфа");
    AddFirm("Бета");
    std::string question;
    std::string title;
    WhenModal("TfmBrowser", [&](QWidget& w) {
        BlockFile(TStoreTable::Firms);
        AnswerQuestion("Yes", &question, &title);
        const std::string error = ErrorBoxOf([&] { ClickTool(w, "BtnDelete"); });
        EXPECT_EQ(error.rfind("Cannot create file \"Firms.xml\". ", 0), 0u) << error;
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Бета|"}));
        UnblockFile(TStoreTable::Firms);
        QTest::keyClick(&List(w), Qt::Key_Return); // the program goes on
    });
    EXPECT_TRUE(browser_->Execute(FirmRequest()));
    EXPECT_EQ(browser_->SelectedID(), 2);
    EXPECT_FALSE(std::filesystem::exists(store_->TablePath(TStoreTable::Firms)));
    store_->SaveFirms(); // the next save writes the change
    TStore reopened(work_.path(), program_.path());
    ASSERT_TRUE(reopened.Open().empty());
    ASSERT_TRUE(reopened.Firms().Locate(1));
    EXPECT_EQ(reopened.Firms().FieldByName("Deleted").AsInteger(), 1);
}

TEST_F(Browser, EditingFromTheListShowsTheNewNameInTheSamePlace) {
    AddFirm("Альфа");
    AddFirm("Бета");
    AddFirm("Гамма");
    WhenModal("TfmBrowser", [](QWidget& w) {
        WhenModal("TfmFirmEditor", [](QWidget& editor) {
            auto& name = Child<QLineEdit>(editor, "eName");
            EXPECT_EQ(FromQString(name.text()), "Бета");
            name.selectAll();
            TypeText(name, "Бета-2");
            QTest::mouseClick(&Child<QPushButton>(editor, "BtnOK"), Qt::LeftButton);
        });
        DoubleClick(w, 0, 2);
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Альфа|", "2|Бета-2|", "3|Гамма|"}));
        EXPECT_EQ(List(w).Row(), 2);

        WhenModal("TfmFirmEditor", [](QWidget& editor) {
            TypeText(Child<QLineEdit>(editor, "eName"), " и ещё");
            QTest::mouseClick(&Child<QPushButton>(editor, "BtnCancel"), Qt::LeftButton);
        });
        QTest::keyClick(&List(w), Qt::Key_Down);
        ClickTool(w, "BtnEdit");
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Альфа|", "2|Бета-2|", "3|Гамма|"}));
        EXPECT_EQ(List(w).Row(), 3);
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(FirmRequest()));
    EXPECT_EQ(FileBytes(TStoreTable::Firms), store_->Firms().SaveToBytes(TTableVariant::Utf8));
}

TEST_F(Browser, ANewRecordLeftInMemoryByAFailedSaveIsListedAfterCancel) {
    AddBank("Первый");
    WhenModal("TfmBrowser", [this](QWidget& w) {
        WhenModal("TfmBankEditor", [this](QWidget& editor) {
            TypeText(Child<QLineEdit>(editor, "eName"), "7");
            TypeText(Child<QLineEdit>(editor, "eBIK"), kBIK);
            TypeText(Child<QLineEdit>(editor, "eDebitAccount"), kAccount);
            BlockFile(TStoreTable::Banks);
            const std::string error = ErrorBoxOf(
                [&] { QTest::mouseClick(&Child<QPushButton>(editor, "BtnOK"), Qt::LeftButton); });
            EXPECT_NE(error.find("Banks.xml"), std::string::npos) << error;
            QTest::keyClick(&editor, Qt::Key_Escape);
        });
        ClickTool(w, "BtnAdd");
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Первый|", "2|7|"}));
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(BankRequest()));
    UnblockFile(TStoreTable::Banks);
}

TEST_F(Browser, TheStatementEditorAddsABankAndChoosesIt) {
    const int first = AddBank("Первый");
    TReferenceBooks books(*store_, RunUserAction);
    WhenModal("TfmBrowser", [](QWidget& w) {
        EXPECT_EQ(FromQString(w.windowTitle()), "Выберите банк-получатель");
        WhenModal("TfmBankEditor", [](QWidget& editor) {
            EXPECT_EQ(FromQString(Child<QLineEdit>(editor, "eName").text()), "");
            TypeText(Child<QLineEdit>(editor, "eName"), "Новый банк");
            TypeText(Child<QLineEdit>(editor, "eBIK"), "044525225");
            TypeText(Child<QLineEdit>(editor, "eDebitAccount"), "30101810400000000225");
            QTest::keyClick(&Child<QLineEdit>(editor, "eDebitAccount"), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        ClickTool(w, "BtnAdd");
        EXPECT_EQ(Rows(w), (std::vector<std::string>{"1|Первый|", "2|Новый банк|"}));
        EXPECT_EQ(List(w).Row(), 1);
        QTest::keyClick(&List(w), Qt::Key_Down);
        QTest::keyClick(&List(w), Qt::Key_Return);
    });
    EXPECT_EQ(
        books.Browse("Выберите банк-получатель", TStoreTable::Banks, TStore::kBankSlot, first), 2);
    EXPECT_EQ(FileBytes(TStoreTable::Banks), store_->Banks().SaveToBytes(TTableVariant::Utf8));

    // The firms come with the firm editor; a cancel chooses nothing.
    AddFirm("Фирма");
    WhenModal("TfmBrowser", [](QWidget& w) {
        WhenModal("TfmFirmEditor", [](QWidget& editor) {
            EXPECT_EQ(FromQString(Child<QLineEdit>(editor, "eName").text()), "Фирма");
            QTest::keyClick(&editor, Qt::Key_Escape);
        });
        DoubleClick(w, 0, 1);
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_EQ(
        books.Browse("Выберите организацию-получатель", TStoreTable::Firms, TStore::kFirmSlot, 1),
        std::nullopt);
}

TEST_F(Browser, WithoutAnEditorAddingAndEditingDoNothing) {
    AddBank("Первый");
    TBrowserSetup request = BankRequest(1);
    request.Editor = nullptr;
    WhenModal("TfmBrowser", [](QWidget& w) {
        ClickTool(w, "BtnAdd");
        DoubleClick(w, 0, 1);
        ClickTool(w, "BtnEdit");
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeModalWidget(), &w);
        QTest::keyClick(&List(w), Qt::Key_Escape);
    });
    EXPECT_FALSE(browser_->Execute(request));
}

TEST_F(Browser, ATableThatFailedToLoadRaisesTheStoresErrorAndIsNotWritten) {
    const std::string broken = "<DATAPACKET Version=\"2.0\">";
    testing_support::WriteFile(store_->TablePath(TStoreTable::Firms), broken);
    store_ = std::make_unique<TStore>(work_.path(), program_.path());
    ASSERT_EQ(store_->Open().size(), 1u);
    TfmBrowser browser(*store_, RunUserAction);
    EXPECT_THROW(browser.Execute(FirmRequest()), EStoreError);
    EXPECT_FALSE(browser.isVisible());
    EXPECT_EQ(FileBytes(TStoreTable::Firms), broken);
}
