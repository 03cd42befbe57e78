// The main window on real files, driven by clicks and keys; its boxes are
// answered as a user would answer them.
#include "app/MainWindow.h"
#include "AppTestSupport.h"
#include "app/ProgramWindows.h"
#include "controls/VertGrid.h"
#include "support/widgets/ModalAnswer.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    // Opens the main window on the directories and shows it.
    TfmMain& Open() {
        window_ = std::make_unique<TfmMain>(dirs_.Work.path(), dirs_.Program.path());
        window_->show();
        QApplication::processEvents();
        return *window_;
    }
    TVertGrid& Table() { return *window_->findChild<TVertGrid*>("Table"); }
    QToolButton& Button(const char* name) { return *window_->findChild<QToolButton*>(name); }
    void Click(const char* name) { QTest::mouseClick(&Button(name), Qt::LeftButton); }
    void DoubleClickCell(int col, int row) {
        const QRect cell = Table().visualRect(Table().model()->index(row - 1, col));
        QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {}, cell.center());
    }
    std::vector<std::string> RowTexts(int row) {
        std::vector<std::string> texts;
        for (int col = 0; col < Table().ColCount(); ++col) {
            texts.push_back(Table().Cell(col, row));
        }
        return texts;
    }
    std::string Documents() { return ReadFile(dirs_.Work / "Documents.xml"); }

    TProgramDirs dirs_;
    std::unique_ptr<TfmMain> window_;
};

} // namespace

TEST_F(MainWindowTest, FirstStartShowsTitlesAndOnePlaceholderRow) {
    TfmMain& window = Open();
    EXPECT_TRUE(window.StartupErrors().empty());
    // A test program carries no version stamp.
    EXPECT_EQ(ToQString("Препроводительная ведомость []"), window.windowTitle());
    EXPECT_EQ(QSize(784, 413), window.size());
    EXPECT_EQ(std::vector<std::string>({"Дата", "Наименование организации", "Наименование банка",
                                        "Номер сумки", "Сумма, руб."}),
              Table().Titles());
    const int widths[] = {151, 216, 177, 90, 106};
    for (int col = 0; col < 5; ++col) {
        EXPECT_EQ(widths[col], Table().ColWidth(col));
    }
    EXPECT_EQ(2, Table().RowCount());
    EXPECT_EQ(0, window.SelectedID());
    EXPECT_EQ(kListGridOptions, Table().Options());
    for (const auto& [name, hint] : {std::pair{"BtnAdd", "Новый документ"},
                                     {"BtnCopy", "Новая по образцу"},
                                     {"BtnEdit", "Редактировать документ"},
                                     {"BtnDelete", "Удалить выбранный документ"},
                                     {"BtnPrint", "Печать"},
                                     {"BtnRegister", "Реестр за период"},
                                     {"BtnHelp", "Справка по программе"}}) {
        EXPECT_EQ(ToQString(hint), Button(name).toolTip()) << name;
        EXPECT_EQ(QSize(29, 29), Button(name).size()) << name;
        EXPECT_FALSE(Button(name).icon().isNull()) << name;
    }
    for (const char* name : {"Config.xml", "Firms.xml", "Banks.xml", "Documents.xml"}) {
        EXPECT_TRUE(std::filesystem::exists(dirs_.Work / name)) << name;
    }

    // Edit, copy, delete, print and double click on the placeholder do nothing.
    std::vector<int> edited;
    window.OnEditDocument = [&](int id) {
        edited.push_back(id);
        return std::int64_t{0};
    };
    window.OnCopyDocument = [&](int id) {
        edited.push_back(-id);
        return std::int64_t{0};
    };
    const std::string before = Documents();
    Click("BtnEdit");
    Click("BtnCopy");
    QTest::keyClick(&Table(), Qt::Key_F9);
    Click("BtnDelete"); // no question: a box would hang here
    Click("BtnPrint");  // no error box either: nothing is printed
    DoubleClickCell(1, 1);
    EXPECT_TRUE(edited.empty());
    EXPECT_EQ(before, Documents());
}

TEST_F(MainWindowTest, ListShowsEachStatementInTableOrder) {
    WriteSampleData(dirs_);
    Open();
    ASSERT_EQ(4, Table().RowCount());
    EXPECT_EQ(
        std::vector<std::string>({"05.03.2024   9:30", "Альфа", "Сбербанк", "A-1", "12 345,60"}),
        RowTexts(1));
    // A deleted firm still has its name; a bank of ID 0 has none; midnight is 0:00.
    EXPECT_EQ(std::vector<std::string>({"01.01.2025   0:00", "Бета", "", "B-2", "10,00"}),
              RowTexts(2));
    // A firm that does not exist shows an empty name.
    EXPECT_EQ(std::vector<std::string>({"02.01.2025   17:05", "", "Сбербанк", "C-3", "0,50"}),
              RowTexts(3));
    EXPECT_EQ(1, Table().Object(0, 1));
    EXPECT_EQ(3, Table().Object(0, 3));
    EXPECT_EQ(1, window_->SelectedID());
}

TEST_F(MainWindowTest, AddEditAndCopyHandTheEditorAnIdAndRefresh) {
    WriteSampleData(dirs_);
    TfmMain& window = Open();
    std::vector<int> edited;
    std::vector<int> copied;
    bool saveNew = false;
    window.OnEditDocument = [&](int id) -> std::int64_t {
        edited.push_back(id);
        if (id == 0 && saveNew) {
            AddDocument(window.Store().Documents(), 2025, 2, 3, 10, 0, "NEW", 1, 1, 1);
            window.Store().SaveDocuments();
            return window.Store().Documents().FieldByName("ID").AsInteger();
        }
        return 0;
    };
    window.OnCopyDocument = [&](int id) -> std::int64_t {
        copied.push_back(id);
        AddDocument(window.Store().Documents(), 2025, 2, 4, 10, 0, "COPY", 1, 1, 1);
        return window.Store().Documents().FieldByName("ID").AsInteger();
    };

    QTest::keyClick(&Table(), Qt::Key_Down);
    EXPECT_EQ(2, window.SelectedID());
    Click("BtnAdd"); // cancelled: the selection stays on its statement
    EXPECT_EQ(2, window.SelectedID());
    saveNew = true;
    Click("BtnAdd"); // saved: the new statement is selected
    saveNew = false;
    ASSERT_EQ(5, Table().RowCount());
    EXPECT_EQ("NEW", Table().Cell(3, 4));
    EXPECT_EQ(4, Table().Object(0, 4));
    EXPECT_EQ(4, window.SelectedID());
    QTest::keyClick(&Table(), Qt::Key_Up);
    QTest::keyClick(&Table(), Qt::Key_Up);

    Click("BtnEdit");
    DoubleClickCell(3, 3);
    EXPECT_EQ(3, window.SelectedID());
    EXPECT_EQ(std::vector<int>({0, 0, 2, 3}), edited);
    // The copy saved is listed and selected.
    QTest::keyClick(&Table(), Qt::Key_F9);
    EXPECT_EQ(std::vector<int>({3}), copied);
    EXPECT_EQ(6, Table().RowCount());
    EXPECT_EQ("COPY", Table().Cell(3, 5));
    EXPECT_EQ(5, window.SelectedID());

    // A double click on the titles or below the last row edits nothing.
    QTest::mouseDClick(Table().horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {},
                       QPoint(20, Table().viewport()->height() - 3));
    EXPECT_EQ(4u, edited.size());
}

TEST_F(MainWindowTest, DeleteAsksFirstAndRewritesTheFile) {
    WriteSampleData(dirs_);
    TfmMain& window = Open();
    Table().SetRow(2);
    const std::string before = Documents();
    {
        ModalAnswer answer(ClickButton(ToQString("Нет")));
        Click("BtnDelete");
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(ToQString("Вы действительно хотите удалить выбранный документ?"), answer.Text());
        EXPECT_EQ(QString(), answer.Title());
    }
    EXPECT_EQ(4, Table().RowCount());
    EXPECT_EQ(before, Documents());
    {
        ModalAnswer answer(ClickButton(ToQString("Да")));
        Click("BtnDelete");
    }
    EXPECT_EQ(3, Table().RowCount());
    EXPECT_EQ("C-3", Table().Cell(3, 2));
    EXPECT_EQ(2, Table().Row()); // the row number stays when its statement is gone
    TStore reread(dirs_.Work.path(), dirs_.Program.path());
    reread.Open();
    EXPECT_EQ(2u, reread.Documents().RecordCount());
    EXPECT_FALSE(reread.Documents().FindRow(2).has_value());

    // Deleting the last ones leaves the placeholder and a file with no rows.
    for (int i = 0; i < 2; ++i) {
        ModalAnswer answer(ClickButton(ToQString("Да")));
        Click("BtnDelete");
    }
    EXPECT_EQ(2, Table().RowCount());
    EXPECT_EQ(std::vector<std::string>(5), RowTexts(1));
    EXPECT_EQ(0, window.SelectedID());
    EXPECT_NE(Documents().find("<ROWDATA></ROWDATA>"), std::string::npos);
}

TEST_F(MainWindowTest, FailedSaveAfterDeleteIsShownAndTheNextSaveWritesIt) {
    WriteSampleData(dirs_);
    TfmMain& window = Open();
    // A directory in the way of the file stops the save, even for root.
    std::filesystem::remove(dirs_.Work / "Documents.xml");
    std::filesystem::create_directory(dirs_.Work / "Documents.xml");
    {
        std::unique_ptr<ModalAnswer> error;
        ModalAnswer question([&error](QWidget& box) {
            error = std::make_unique<ModalAnswer>(ClickButton(ToQString("ОК")));
            ClickButton(ToQString("Да"))(box);
        });
        Click("BtnDelete");
        ASSERT_TRUE(error && error->Answered());
        EXPECT_EQ(ToQString("Препроводительная ведомость"), error->Title());
        EXPECT_TRUE(error->Text().startsWith(ToQString("Cannot create file \"Documents.xml\". ")))
            << error->Text().toStdString();
        EXPECT_TRUE(error->Text().endsWith("."));
    }
    // The statement is gone from memory, and the list says so.
    EXPECT_EQ(3, Table().RowCount());
    EXPECT_EQ(2, Table().Object(0, 1));
    EXPECT_EQ(2, window.SelectedID());
    std::filesystem::remove(dirs_.Work / "Documents.xml");
    {
        ModalAnswer question(ClickButton(ToQString("Да")));
        Click("BtnDelete");
    }
    TStore reread(dirs_.Work.path(), dirs_.Program.path());
    reread.Open();
    ASSERT_EQ(1u, reread.Documents().RecordCount());
    EXPECT_TRUE(reread.Documents().FindRow(3).has_value());
}

TEST_F(MainWindowTest, UnreadableTableIsReportedAndKeptWhileTheWindowOpens) {
    WriteSampleData(dirs_);
    const std::string broken = "<DATAPACKET Version=\"2.0\"><METADATA>";
    WriteFile(dirs_.Work / "Firms.xml", broken);
    TfmMain& window = Open();
    ASSERT_EQ(1u, window.StartupErrors().size());
    EXPECT_NE(window.StartupErrors()[0].find("Firms.xml"), std::string::npos);
    EXPECT_TRUE(window.isVisible());
    // The statements are listed all the same, without the firms' names.
    ASSERT_EQ(4, Table().RowCount());
    EXPECT_EQ("A-1", Table().Cell(3, 1));
    EXPECT_EQ("", Table().Cell(1, 1));
    EXPECT_EQ("Сбербанк", Table().Cell(2, 1));
    {
        ModalAnswer answer(ClickButton(ToQString("ОК")));
        window.ShowStartupErrors();
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(ToQString("Препроводительная ведомость"), answer.Title());
    }
    // Every later use of the table fails with a box; the program goes on.
    std::vector<int> edited;
    // As the editor does: it needs the firms before its window opens.
    window.OnEditDocument = [&](int id) {
        edited.push_back(id);
        window.Store().Firms();
        return std::int64_t{0};
    };
    {
        ModalAnswer answer(ClickButton(ToQString("ОК")));
        Click("BtnAdd");
        ASSERT_TRUE(answer.Answered());
        EXPECT_TRUE(answer.Text().contains("Firms.xml")) << answer.Text().toStdString();
    }
    EXPECT_EQ(std::vector<int>({0}), edited);
    window_.reset();
    EXPECT_EQ(broken, ReadFile(dirs_.Work / "Firms.xml"));
}

TEST_F(MainWindowTest, HelpOpensFromItsButtonAndF1) {
    TfmMain& window = Open();
    int shown = 0;
    QDialog help;
    window.SetHelpWindow(&help);
    for (int i = 0; i < 2; ++i) {
        ModalAnswer answer([&](QWidget& modal) {
            shown += &modal == &help;
            QTest::keyClick(&modal, Qt::Key_Escape);
        });
        if (i == 0) {
            Click("BtnHelp");
        } else {
            QTest::keyClick(&Table(), Qt::Key_F1);
        }
    }
    EXPECT_EQ(2, shown);
}

TEST_F(MainWindowTest, ShutDownWritesDataTxtAndReportsAFailure) {
    Open();
    window_.reset();
    EXPECT_TRUE(std::filesystem::exists(dirs_.Program / "Data.txt"));
    EXPECT_FALSE(std::filesystem::exists(dirs_.Work / "Data.txt"));

    std::filesystem::remove(dirs_.Program / "Data.txt");
    Open();
    std::filesystem::create_directory(dirs_.Program / "Data.txt");
    ModalAnswer answer(ClickButton(ToQString("ОК")));
    window_.reset();
    ASSERT_TRUE(answer.Answered());
    EXPECT_TRUE(answer.Text().startsWith(ToQString("Ошибка сохранения данных: ")))
        << answer.Text().toStdString();
    EXPECT_EQ(QString(), answer.Title());
}

TEST_F(MainWindowTest, SumColumnIsRightAlignedAndDatesLeftAligned) {
    WriteSampleData(dirs_);
    Open();
    const QImage image = Table().viewport()->grab().toImage();
    // The darkest columns of pixels inside a cell's rectangle, left and right.
    const auto inkSpan = [&](int col, int row) {
        const QRect cell = Table().visualRect(Table().model()->index(row - 1, col));
        int first = -1;
        int last = -1;
        for (int x = cell.left(); x <= cell.right(); ++x) {
            for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y) {
                if (qGray(image.pixel(x * image.width() / Table().viewport()->width(),
                                      y * image.height() / Table().viewport()->height())) < 100) {
                    first = first < 0 ? x - cell.left() : first;
                    last = x - cell.left();
                    break;
                }
            }
        }
        return std::make_pair(first, cell.width() - 1 - last);
    };
    // Row 2 is not selected, so its text is dark on white.
    const auto [dateLeft, dateRight] = inkSpan(0, 2);
    const auto [sumLeft, sumRight] = inkSpan(4, 2);
    EXPECT_LE(dateLeft, 4);
    EXPECT_GT(dateRight, 20);
    EXPECT_LE(sumRight, 6);
    EXPECT_GT(sumLeft, 20);
}

TEST_F(MainWindowTest, LongNameStaysInsideItsCell) {
    WriteSampleData(dirs_);
    {
        TStore store(dirs_.Work.path(), dirs_.Program.path());
        store.Open();
        ASSERT_TRUE(store.Firms().Locate(2));
        store.Firms().Edit();
        store.Firms().FieldByName("Name").SetString(
            "Общество с ограниченной ответственностью Торговый дом Северная звезда");
        store.Firms().Post();
        store.SaveFirms();
    }
    Open();
    Table().SetRow(1);
    const QImage image = Table().viewport()->grab().toImage();
    const qreal scale = image.width() / static_cast<qreal>(Table().viewport()->width());
    // Row 3 shows no firm: its cell holds nothing of the long name above it.
    const QRect below = Table().visualRect(Table().model()->index(2, 1)).adjusted(1, 1, -1, -1);
    int ink = 0;
    for (int y = below.top(); y <= below.bottom(); ++y) {
        for (int x = below.left(); x <= below.right(); ++x) {
            ink += qGray(image.pixel(x * scale, y * scale)) < 160;
        }
    }
    EXPECT_EQ(0, ink);
}

TEST_F(MainWindowTest, EarnSourcesSurviveATableThatFailedToLoad) {
    // Earn sources saved by an earlier run.
    {
        TStore store(dirs_.Work.path(), dirs_.Program.path());
        store.Open();
        store.EarnSources().AddSection("Источники");
        store.SaveEarnSources();
    }
    const std::string sources = ReadFile(dirs_.Program / "Data.txt");
    ASSERT_NE(sources.find("Источники"), std::string::npos);
    WriteFile(dirs_.Work / "Documents.xml", "not a table");
    Open();
    EXPECT_EQ(1u, window_->StartupErrors().size());
    EXPECT_EQ(1, window_->Store().EarnSources().SectionCount());
    window_.reset();
    EXPECT_EQ(sources, ReadFile(dirs_.Program / "Data.txt"));
    EXPECT_EQ("not a table", ReadFile(dirs_.Work / "Documents.xml"));
}
