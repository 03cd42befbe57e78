// Daily work in the main window, through its real windows: a new statement
// from the selected one, the register of a period in the preview, finding a
// statement, printing a listed statement.
#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "controls/VertGrid.h"
#include "report/ReportInterfaces.h"
#include "report/render/QtReportServices.h"
#include "statement/DocumentEditorState.h"
#include "support/widgets/ModalAnswer.h"
#include "text/FormatSettings.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

TDateTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return *EncodeDateTime(year, month, day, hour, minute);
}

// The <ROW .../> element of the statement with this ID in a table file.
std::string RowElement(const std::string& file, int id) {
    const std::size_t at = file.find("<ROW ID=\"" + std::to_string(id) + "\"");
    EXPECT_NE(at, std::string::npos) << "no row " << id;
    return at == std::string::npos ? "" : file.substr(at, file.find("/>", at) + 2 - at);
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

class DailyWork : public ::testing::Test {
protected:
    void SetUp() override {
        // As the program's main does.
        ApplyMainWindowFormatSettings();
        CopyShippedTemplates(dirs_.Work.path());
        TStore store(dirs_.Work.path(), dirs_.Program.path());
        ASSERT_TRUE(store.Open().empty());
        payer_ = AddNamed(store.Firms(), "Альфа");
        receiver_ = AddNamed(store.Firms(), "Бета");
        bank_ = AddNamed(store.Banks(), "Сбербанк");
        store.SaveFirms();
        store.SaveBanks();
        store.SaveEarnSources();
    }
    void TearDown() override {
        InitFormatSettings();
        ApplyMainWindowFormatSettings();
    }

    // A statement entered as the editor enters it: counts (row, count) on
    // earn source `source` (2 = "Прочие", symbol 11).
    void AddStatement(TStore& store, TDateTime when, const std::string& bag,
                      std::vector<std::pair<int, const char*>> counts, int source = 1) {
        TDocumentEditorState editor(store);
        editor.Load(when);
        if (editor.Statement().Sources.size() < 2) {
            editor.AddSource("Прочие", "11");
        }
        editor.SetBagNumber(bag);
        editor.Select(TEditorList::ToFirm, receiver_);
        editor.SetField39("Поле " + bag);
        editor.SetCurrentSource(source);
        for (const auto& [row, count] : counts) {
            editor.SetCount(row, count);
        }
        ASSERT_TRUE(editor.Check().Passed) << bag;
        ASSERT_TRUE(editor.Save());
    }
    // Adds statements to the tables on disk before a window opens them.
    void AddStatements(const std::function<void(TStore&)>& add) {
        TStore store(dirs_.Work.path(), dirs_.Program.path());
        ASSERT_TRUE(store.Open().empty());
        add(store);
        store.SaveEarnSources();
    }

    // The main window with a preview that keeps what it was shown.
    TfmMain& Open() {
        TReportServices services = MakeQtReportServices();
        services.Preview = [this](IReport3& report) {
            pages_.push_back(report.GetPagesText());
            pageCounts_.push_back(report.PageCount());
            bags_.push_back(report.GetVariable("Bag"));
        };
        window_ = std::make_unique<TfmMain>(dirs_.Work.path(), dirs_.Program.path(), services);
        window_->show();
        QApplication::processEvents();
        return *window_;
    }
    TVertGrid& Table() { return *window_->findChild<TVertGrid*>("Table"); }
    void Click(const char* name) {
        QTest::mouseClick(window_->findChild<QToolButton*>(name), Qt::LeftButton);
    }

    // "Реестр за период" for the days given, of the firm at `firm` in the
    // dialog's list (0: all firms).
    void Register(QDate from, QDate to, int firm = 0) {
        ModalAnswer answer([&](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), "TfmRegister");
            EXPECT_EQ(dialog.windowTitle(), ToQString("Реестр ведомостей"));
            dialog.findChild<QDateEdit*>("DateFrom")->setDate(from);
            dialog.findChild<QDateEdit*>("DateTo")->setDate(to);
            auto* firms = dialog.findChild<QComboBox*>("cbFirm");
            EXPECT_EQ(firms->currentIndex(), 0);
            EXPECT_EQ(firms->currentText(), ToQString("Все организации"));
            firms->setCurrentIndex(firm);
            QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
        });
        Click("BtnRegister");
        ASSERT_TRUE(answer.Answered());
    }

    // Ctrl+F with a text typed into the dialog and Enter; a box that comes
    // next is answered with "ОК" and its text kept in `message`.
    void Find(const char* text, QString* message = nullptr) {
        std::unique_ptr<ModalAnswer> box;
        ModalAnswer answer([&](QWidget& dialog) {
            if (message) {
                box = std::make_unique<ModalAnswer>(ClickButton(ToQString("ОК")));
            }
            auto* edit = dialog.findChild<QLineEdit*>("eFind");
            edit->setText(ToQString(text));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QTest::keyClick(&Table(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(answer.Answered());
        if (message) {
            ASSERT_TRUE(box && box->Answered());
            *message = box->Text();
        }
    }

    TProgramDirs dirs_;
    int payer_ = 0, receiver_ = 0, bank_ = 0;
    std::unique_ptr<TfmMain> window_;
    std::vector<std::string> pages_, bags_;
    std::vector<int> pageCounts_;
};

TEST_F(DailyWork, ACopySavedAddsAStatementAndLeavesTheOriginalAsItWas) {
    AddStatements([&](TStore& store) {
        AddStatement(store, Day(2024, 3, 5, 9, 30), "0417", {{1, "1"}, {6, "3"}}, 2);
    });
    TProgramWindows windows(dirs_.Work.path(), dirs_.Program.path());
    const std::string before = ReadFile(dirs_.Work / "Documents.xml");
    auto& list = *windows.Main().findChild<TVertGrid*>("Table");
    ASSERT_EQ(windows.Main().SelectedID(), 1);

    ModalAnswer answer([&](QWidget& editor) {
        EXPECT_EQ(editor.objectName(), "TfmDocumentEditor");
        QApplication::setActiveWindow(&editor);
        EXPECT_EQ(FromQString(editor.findChild<QLineEdit*>("eBag")->text()), "0417");
        EXPECT_EQ(FromQString(editor.findChild<QLineEdit*>("eField39")->text()), "Поле 0417");
        EXPECT_EQ(editor.findChild<QDateEdit*>("Calendar")->date(), QDate::currentDate());
        auto& cash = *editor.findChild<TVertGrid*>("Cash");
        for (int row = 1; row <= 15; ++row) {
            EXPECT_EQ(cash.Cell(1, row), "") << row;
        }
        cash.SetRow(3);
        cash.setFocus();
        QApplication::processEvents();
        QTest::keyClicks(cash.InplaceEditor(), "2");
        QTest::mouseClick(editor.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
    });
    QTest::keyClick(&list, Qt::Key_F9);
    ASSERT_TRUE(answer.Answered());

    const std::string after = ReadFile(dirs_.Work / "Documents.xml");
    EXPECT_EQ(RowElement(after, 1), RowElement(before, 1));
    TTable& documents = windows.Main().Store().Documents();
    ASSERT_EQ(documents.RecordCount(), 2u);
    EXPECT_EQ(windows.Main().SelectedID(), 2);
    EXPECT_EQ(list.Cell(3, 2), "0417");
    ASSERT_TRUE(documents.Locate(2));
    EXPECT_EQ(documents.FieldByName("FromFirm").AsInteger(), payer_);
    EXPECT_EQ(documents.FieldByName("ToFirm").AsInteger(), receiver_);
    EXPECT_EQ(documents.FieldByName("ToBank").AsInteger(), bank_);
    EXPECT_EQ(documents.FieldByName("FIELD39").AsString(), "Поле 0417");
    // Only the count typed; the sum on the copied current source.
    EXPECT_EQ(documents.FieldByName("Cash").AsString(),
              "<5000>0<2000>0<1000>2<500>0<200>0<100>0<50>0<10>0<5>0<2>0<1>0<05>0<01>0<005>0"
              "<001>0<SI>2<SS2>2000,00");
    EXPECT_EQ(documents.FieldByName("CashSum").AsFloat(), 2000);
}

TEST_F(DailyWork, TheRegisterListsTheDaysOfThePeriodWithExactSums) {
    AddStatements([&](TStore& store) {
        AddStatement(store, Day(2024, 3, 31, 23, 59), "M31", {{1, "1"}});
        AddStatement(store, Day(2024, 4, 30, 23, 59), "A30", {{15, "7"}}, 2);
        AddStatement(store, Day(2024, 4, 1), "A01", {{13, "3"}});
        AddStatement(store, Day(2024, 4, 15, 12), "A15", {{1, "2"}, {6, "3"}});
        AddStatement(store, Day(2024, 5, 1), "M01", {{1, "1"}});
    });
    Open();
    Register(QDate(2024, 4, 1), QDate(2024, 4, 30));
    ASSERT_EQ(pages_.size(), 1u);
    const std::string& text = pages_[0];
    EXPECT_EQ(pageCounts_[0], 1);
    EXPECT_NE(text.find("за период с 01.04.2024 по 30.04.2024"), std::string::npos);
    EXPECT_NE(text.find("Организация-вноситель: все"), std::string::npos);
    EXPECT_EQ(text.find("M31"), std::string::npos);
    EXPECT_EQ(text.find("M01"), std::string::npos);
    const std::size_t first = text.find("\"A01\"");
    const std::size_t middle = text.find("\"A15\"");
    const std::size_t last = text.find("\"A30\"");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, middle);
    EXPECT_LT(middle, last);
    EXPECT_NE(last, std::string::npos);
    for (const char* shown :
         {"\"0,30\"", "\"10 300,00\"", "\"0,07\"", "\"10 300,37\"", "\"10 300,30 \"", "\"0,07 \"",
          "\"10 300,37 \"", "\"Всего ведомостей: 3   на сумму \""}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    }
}

TEST_F(DailyWork, TheRegisterOfOneFirmListsOnlyItsStatements) {
    AddStatements([&](TStore& store) {
        AddStatement(store, Day(2024, 4, 2), "OWN", {{6, "1"}});
        TDocumentEditorState other(store);
        other.Load(Day(2024, 4, 3));
        other.SetBagNumber("OTHER");
        other.Select(TEditorList::FromFirm, receiver_);
        other.SetCount(6, "2");
        ASSERT_TRUE(other.Save());
    });
    Open();
    Register(QDate(2024, 4, 1), QDate(2024, 4, 30), 2); // "Бета"
    ASSERT_EQ(pages_.size(), 1u);
    EXPECT_NE(pages_[0].find("Организация-вноситель: Бета"), std::string::npos);
    EXPECT_NE(pages_[0].find("\"OTHER\""), std::string::npos);
    EXPECT_EQ(pages_[0].find("\"OWN\""), std::string::npos);
    EXPECT_NE(pages_[0].find("\"200,00 \""), std::string::npos);
}

TEST_F(DailyWork, ALongRegisterRepeatsItsHeaderOnEveryPage) {
    AddStatements([&](TStore& store) {
        for (int i = 0; i < 80; ++i) {
            AddStatement(store, Day(2024, 4, 1 + i % 30, 10), "B" + std::to_string(i), {{11, "1"}});
        }
    });
    Open();
    Register(QDate(2024, 4, 1), QDate(2024, 4, 30));
    ASSERT_EQ(pages_.size(), 1u);
    ASSERT_GE(pageCounts_[0], 2);
    EXPECT_EQ(Occurrences(pages_[0], "\"№ сумки\""), pageCounts_[0]);
    EXPECT_GE(Occurrences(pages_[0], "Лист {pagenumber} из {pagecount}"), pageCounts_[0]);
    EXPECT_NE(pages_[0].find("\"80,00\""), std::string::npos);
}

TEST_F(DailyWork, AnEmptyPeriodSaysSo) {
    Open();
    Register(QDate(2024, 4, 1), QDate(2024, 4, 30));
    ASSERT_EQ(pages_.size(), 1u);
    EXPECT_NE(pages_[0].find("За период ведомостей нет"), std::string::npos);
}

TEST_F(DailyWork, AnInvertedPeriodIsRefusedWithTheFocusOnItsFirstDay) {
    Open();
    bool focused = false;
    std::unique_ptr<ModalAnswer> message;
    ModalAnswer answer([&](QWidget& dialog) {
        auto* from = dialog.findChild<QDateEdit*>("DateFrom");
        from->setDate(QDate(2024, 5, 2));
        dialog.findChild<QDateEdit*>("DateTo")->setDate(QDate(2024, 5, 1));
        dialog.findChild<QPushButton*>("BtnCancel")->setFocus();
        message = std::make_unique<ModalAnswer>(ClickButton(ToQString("ОК")));
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
        focused = dialog.focusWidget() == from;
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
    });
    Click("BtnRegister");
    ASSERT_TRUE(answer.Answered());
    ASSERT_TRUE(message && message->Answered());
    EXPECT_EQ(message->Text(), ToQString("Начало периода позже его конца"));
    EXPECT_TRUE(focused);
    EXPECT_TRUE(pages_.empty());
}

TEST_F(DailyWork, AMissingRegisterTemplateIsNamedAsTheStatementsIs) {
    std::filesystem::remove(dirs_.Work.path() / std::filesystem::path(u8"Реестр.rt3"));
    Open();
    std::unique_ptr<ModalAnswer> error;
    ModalAnswer answer([&](QWidget& dialog) {
        error = std::make_unique<ModalAnswer>(ClickButton(ToQString("ОК")));
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
    });
    Click("BtnRegister");
    ASSERT_TRUE(error && error->Answered());
    EXPECT_TRUE(
        error->Text().startsWith(ToQString("Не найден шаблон реестра \"Реестр.rt3\" в папке")))
        << error->Text().toStdString();
    EXPECT_TRUE(pages_.empty());
}

TEST_F(DailyWork, FindGoesRoundIgnoresCaseAndReportsAMiss) {
    WriteSampleData(dirs_);
    Open();
    ASSERT_EQ(window_->SelectedID(), 1);
    Find("сбер");
    EXPECT_EQ(window_->SelectedID(), 3);
    QTest::keyClick(&Table(), Qt::Key_F3);
    EXPECT_EQ(window_->SelectedID(), 1); // round past the end
    Find("b-2");
    EXPECT_EQ(window_->SelectedID(), 2);
    Find("12 345,6");
    EXPECT_EQ(window_->SelectedID(), 1);
    QString miss;
    Find("нет такого", &miss);
    EXPECT_EQ(miss, ToQString("Текст \"нет такого\" не найден"));
    EXPECT_EQ(window_->SelectedID(), 1);
    EXPECT_EQ(Table().RowCount(), 4);
}

TEST_F(DailyWork, PrintFromTheListShowsTheStoredStatement) {
    AddStatements([&](TStore& store) { AddStatement(store, Day(2024, 3, 5), "0417", {{1, "1"}}); });
    Open();
    Click("BtnPrint");
    ASSERT_EQ(bags_.size(), 1u);
    EXPECT_EQ(bags_[0], "0417");
    EXPECT_EQ(pageCounts_[0], 1);
}

} // namespace
