// The reference windows with bank details: the question OK asks about
// numbers that fail their checks, answered both ways, the bank editor's
// lines from the directory of banks, and the browser loading a directory.
#include "controls/ActionRunner.h"
#include "bank/DirectoryReader.h"
#include "bank/KeptDirectory.h"
#include "reference/ReferenceRecords.h"
#include "reference/ReferenceTestSupport.h"
#include "reference/ui/TfmBankEditor.h"
#include "reference/ui/TfmBrowser.h"
#include "reference/ui/TfmFirmEditor.h"
#include "text/qt/QtCodec.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <gtest/gtest.h>

using namespace reference_testing;

namespace {

std::filesystem::path Excerpt(const char* name) {
    return testing_support::SourceDir() / "tests" / "bank" / "data" / name;
}

// The window's own focus: with no window manager, the toolkit's focus stays
// away after a message box closed.
bool HasFocus(QWidget& window, const char* name) {
    return window.focusWidget() == &Child<QWidget>(window, name);
}

std::string Text(QWidget& window, const char* name) {
    if (auto* label = window.findChild<QLabel*>(name)) {
        return FromQString(label->text());
    }
    return FromQString(Child<QLineEdit>(window, name).text());
}

bool IsRed(QWidget& window, const char* label) {
    return Child<QLabel>(window, label).palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

void Click(QWidget& window, const char* button) {
    QTest::mouseClick(&Child<QAbstractButton>(window, button), Qt::LeftButton);
}

// Clicks OK, answers the question it asks with the button ("Yes" or "No")
// and returns the question's text; empty when none came.
std::string AnswerOK(QWidget& editor, const char* button) {
    std::string question;
    WhenModal("MessageDialog", [&question, button](QWidget& box) {
        question = Text(box, "Message");
        Click(box, button);
    });
    Click(editor, "BtnOK");
    QCoreApplication::processEvents();
    return question;
}

} // namespace

class BankDetails : public TReferenceTest {
protected:
    std::string Firms() const { return FileBytes(TStoreTable::Firms); }
    std::string Banks() const { return FileBytes(TStoreTable::Banks); }
};

TEST_F(BankDetails, AFirmsWrongINNIsAskedAboutNoGoesBackYesSaves) {
    const int id = AddFirm("Вектор");
    const std::string before = Firms();
    TfmFirmEditor editor(*store_, RunUserAction);
    editor.SetRecordID(id);
    WhenModal("TfmFirmEditor", [&](QWidget& w) {
        auto& inn = Child<QLineEdit>(w, "eINN");
        inn.selectAll();
        TypeText(inn, "7701000022");
        Child<QLineEdit>(w, "eName").setFocus();
        EXPECT_EQ(AnswerOK(w, "No"), "Реквизиты не прошли проверку:\n\n"
                                     "ИНН 7701000022: неверное контрольное число\n\nПродолжить?");
        EXPECT_EQ(QApplication::activeModalWidget(), &w);
        EXPECT_TRUE(HasFocus(w, "eINN"));
        EXPECT_EQ(Firms(), before);

        EXPECT_NE(AnswerOK(w, "Yes"), "");
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(RecordTexts(store_->Firms(), id, std::vector<const char*>{"INN"})[0], "7701000022");
    EXPECT_EQ(Firms(), store_->Firms().SaveToBytes(TTableVariant::Utf8));
}

TEST_F(BankDetails, ABankEditorNamesEveryFaultAndGoesBackToTheFirst) {
    const int id = AddBank("Банк");
    const std::string before = Banks();
    TfmBankEditor editor(*store_, RunUserAction);
    editor.SetRecordID(id);
    WhenModal("TfmBankEditor", [&](QWidget& w) {
        auto& bik = Child<QLineEdit>(w, "eBIK");
        QTest::keyClick(&bik, Qt::Key_End);
        QTest::keyClick(&bik, Qt::Key_Backspace);
        auto& account = Child<QLineEdit>(w, "eDebitAccount");
        QTest::keyClick(&account, Qt::Key_End);
        QTest::keyClick(&account, Qt::Key_Backspace);
        EXPECT_EQ(AnswerOK(w, "No"), "Реквизиты не прошли проверку:\n\n"
                                     "БИК 04452522: должен состоять из 9 цифр\n"
                                     "№ счета (дебет) 3010181040000000022: должен состоять из "
                                     "20 цифр\n\nПродолжить?");
        EXPECT_TRUE(HasFocus(w, "eBIK"));
        EXPECT_EQ(Banks(), before);

        // The BIK mended, the account now fails its key against it.
        TypeText(bik, "5");
        TypeText(account, "6");
        EXPECT_EQ(AnswerOK(w, "No"), "Реквизиты не прошли проверку:\n\n"
                                     "№ счета (дебет) 30101810400000000226: неверный контрольный "
                                     "ключ (БИК 044525225)\n\nПродолжить?");
        EXPECT_TRUE(HasFocus(w, "eDebitAccount"));
        // Escape is Нет too.
        WhenModal("MessageDialog", [](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        Click(w, "BtnOK");
        EXPECT_EQ(Banks(), before);
        EXPECT_NE(AnswerOK(w, "Yes"), "");
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(RecordTexts(store_->Banks(), id, std::vector<const char*>{"DebitAccount"})[0],
              "30101810400000000226");
}

TEST_F(BankDetails, RightNumbersAreNotAskedAbout) {
    TfmBankEditor editor(*store_, RunUserAction);
    WhenModal("TfmBankEditor", [](QWidget& w) {
        TypeText(Child<QLineEdit>(w, "eName"), "Банк");
        TypeText(Child<QLineEdit>(w, "eBIK"), "044525974");
        TypeText(Child<QLineEdit>(w, "eDebitAccount"), "30101810145250000974");
        // A question would hold the click until the watchdog closes it.
        Click(w, "BtnOK");
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(store_->Banks().RecordCount(), 1u);
}

class DirectoryWindows : public TReferenceTest {
protected:
    void SetUp() override {
        TReferenceTest::SetUp();
        kept_ = std::make_unique<TKeptBankDirectory>(work_.path());
    }

    std::unique_ptr<TKeptBankDirectory> kept_;
};

TEST_F(DirectoryWindows, TheBankEditorShowsTheDirectorysEntryAndFillsAnEmptyName) {
    kept_->Replace(ReadDirectoryFile(Excerpt("excerpt.xml")));
    TfmBankEditor editor(*store_, RunUserAction, kept_.get());
    WhenModal("TfmBankEditor", [](QWidget& w) {
        auto& bik = Child<QLineEdit>(w, "eBIK");
        TypeText(bik, "04452522");
        EXPECT_EQ(Text(w, "LBikDirectory"), "");
        TypeText(bik, "5");
        EXPECT_EQ(Text(w, "LBikDirectory"), "ПАО СБЕРБАНК\nг. Москва\nк/с 30101810400000000225");
        EXPECT_FALSE(IsRed(w, "LBikDirectory"));
        EXPECT_EQ(Text(w, "eName"), "ПАО СБЕРБАНК");

        // A name typed by the user stays.
        auto& name = Child<QLineEdit>(w, "eName");
        name.selectAll();
        TypeText(name, "Мой банк");
        bik.selectAll();
        TypeText(bik, "045354870");
        EXPECT_EQ(Text(w, "LBikDirectory"),
                  "ФИЛИАЛ \"ОРЕНБУРГСКИЙ\" ООО КБ \"АГРОСОЮЗ\"\nг. Оренбург\n"
                  "к/с 30101810800000000870 — отозвана лицензия");
        EXPECT_TRUE(IsRed(w, "LBikDirectory"));
        EXPECT_EQ(Text(w, "eName"), "Мой банк");

        bik.selectAll();
        TypeText(bik, "044525164");
        EXPECT_EQ(Text(w, "LBikDirectory"), "ЛИКВИДАТОР СТАЛЬ БАНК (ООО) - ГК \"АСВ\"\nг. Москва\n"
                                            "нет корр. счета — удалён из справочника БИК");
        EXPECT_TRUE(IsRed(w, "LBikDirectory"));

        bik.selectAll();
        TypeText(bik, "044525999");
        EXPECT_EQ(Text(w, "LBikDirectory"), "Нет в справочнике БИК на 17.01.2019");
        EXPECT_FALSE(IsRed(w, "LBikDirectory"));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_FALSE(editor.Execute());
}

TEST_F(DirectoryWindows, ADirectoryLoadedSinceTheLastShowingShowsForTheSameBank) {
    const int id = AddBank("Сбербанк");
    TfmBankEditor editor(*store_, RunUserAction, kept_.get());
    editor.SetRecordID(id);
    WhenModal("TfmBankEditor", [](QWidget& w) {
        EXPECT_EQ(Text(w, "LBikDirectory"), "");
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_FALSE(editor.Execute());
    kept_->Replace(ReadDirectoryFile(Excerpt("excerpt.zip")));
    WhenModal("TfmBankEditor", [](QWidget& w) {
        EXPECT_EQ(Text(w, "LBikDirectory"), "ПАО СБЕРБАНК\nг. Москва\nк/с 30101810400000000225");
        EXPECT_EQ(Text(w, "eName"), "Сбербанк");
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_FALSE(editor.Execute());
}

TEST_F(DirectoryWindows, ADamagedKeptDirectorySaysSoInTheBankEditor) {
    testing_support::WriteFile(kept_->Path(), "BIKDirectory 1\n");
    TfmBankEditor editor(*store_, RunUserAction, kept_.get());
    WhenModal("TfmBankEditor", [](QWidget& w) {
        TypeText(Child<QLineEdit>(w, "eBIK"), "044525225");
        EXPECT_EQ(Text(w, "LBikDirectory"), "Справочник БИК \"BIKDirectory.txt\" не читается: "
                                            "неверная дата справочника");
        EXPECT_TRUE(IsRed(w, "LBikDirectory"));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_FALSE(editor.Execute());
}

namespace {

// Picks the file in the open dialog, then clicks "Открыть". (Typing the
// path would race the dialog's completer, whose list takes the click.)
void PickFile(QWidget& dialog, const std::filesystem::path& file) {
    static_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(file.string()));
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (FromQString(button->text().remove('&')) == "Открыть") {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button Открыть";
}

} // namespace

TEST_F(DirectoryWindows, TheBrowserOfBanksLoadsADirectoryAndKeepsIt) {
    TfmBrowser browser(*store_, RunUserAction, kept_.get());
    TfmBankEditor editor(*store_, RunUserAction, kept_.get());
    std::string message;
    WhenModal("TfmBrowser", [&](QWidget& w) {
        auto& button = Child<QAbstractButton>(w, "BtnBikDirectory");
        EXPECT_TRUE(button.isVisible());
        EXPECT_EQ(FromQString(button.toolTip()), "Справочник БИК…");
        EXPECT_EQ(button.size(), QSize(29, 29));
        WhenModal("OpenDialog", [&](QWidget& dialog) {
            WhenModal("MessageDialog", [&](QWidget& box) {
                message = Text(box, "Message");
                Click(box, "OK");
            });
            PickFile(dialog, Excerpt("excerpt.zip"));
        });
        Click(w, "BtnBikDirectory");
        QTest::keyClick(&Child<QWidget>(w, "List"), Qt::Key_Escape);
    });
    browser.Execute({"Банки", TStoreTable::Banks, TStore::kBankSlot, &editor, 0});
    EXPECT_EQ(message, "Прочитан справочник БИК на 17.01.2019: 5 банков.");
    EXPECT_EQ(kept_->Directory().Size(), 5u);
    // Kept for the next run.
    EXPECT_NE(TKeptBankDirectory(work_.path()).Find("044525225"), nullptr);
}

TEST_F(DirectoryWindows, AFileThatIsNotADirectoryLeavesTheKeptOneAsItWas) {
    kept_->Replace(ReadDirectoryFile(Excerpt("excerpt.xml")));
    const std::string before = testing_support::ReadFile(kept_->Path());
    testing_support::WriteFile(work_ / "other.xml", "<?xml version=\"1.0\"?><Workbook/>");
    TfmBrowser browser(*store_, RunUserAction, kept_.get());
    std::string error;
    WhenModal("TfmBrowser", [&](QWidget& w) {
        WhenModal("OpenDialog", [&](QWidget& dialog) { PickFile(dialog, work_ / "other.xml"); });
        error = ErrorBoxOf([&] { Click(w, "BtnBikDirectory"); });
        QTest::keyClick(&Child<QWidget>(w, "List"), Qt::Key_Escape);
    });
    browser.Execute({"Банки", TStoreTable::Banks, TStore::kBankSlot, nullptr, 0});
    EXPECT_EQ(error, "Файл \"other.xml\" не является справочником БИК: это не электронное "
                     "сообщение ED807.");
    EXPECT_EQ(testing_support::ReadFile(kept_->Path()), before);
    EXPECT_EQ(kept_->Directory().Size(), 5u);
}

TEST_F(DirectoryWindows, AnOlderDirectoryReplacesTheKeptOneOnlyWhenTheUserSaysSo) {
    kept_->Replace(
        TBankDirectory("2020-01-01", {{"044525225", "Новее", "", "", "", false, false}}));
    TfmBrowser browser(*store_, RunUserAction, kept_.get());
    std::string question;
    WhenModal("TfmBrowser", [&](QWidget& w) {
        WhenModal("OpenDialog", [&](QWidget& dialog) {
            WhenModal("MessageDialog", [&](QWidget& box) {
                question = Text(box, "Message");
                Click(box, "No");
            });
            PickFile(dialog, Excerpt("excerpt.xml"));
        });
        Click(w, "BtnBikDirectory");
        QTest::keyClick(&Child<QWidget>(w, "List"), Qt::Key_Escape);
    });
    browser.Execute({"Банки", TStoreTable::Banks, TStore::kBankSlot, nullptr, 0});
    EXPECT_EQ(question, "Справочник БИК в файле составлен на 17.01.2019, раньше сохраненного "
                        "(на 01.01.2020).\nЗаменить сохраненный справочник более старым?");
    EXPECT_EQ(kept_->Find("044525225")->Name, "Новее");
}

TEST_F(DirectoryWindows, TheBrowserOfFirmsHasNoDirectoryButton) {
    TfmBrowser browser(*store_, RunUserAction, kept_.get());
    WhenModal("TfmBrowser", [](QWidget& w) {
        EXPECT_FALSE(Child<QAbstractButton>(w, "BtnBikDirectory").isVisible());
        QTest::keyClick(&Child<QWidget>(w, "List"), Qt::Key_Escape);
    });
    browser.Execute({"Фирмы", TStoreTable::Firms, TStore::kFirmSlot, nullptr, 0});
}
