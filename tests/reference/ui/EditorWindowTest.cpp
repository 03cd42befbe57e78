// The firm and bank editors driven as a user drives them: keys, clicks and
// pastes, with the table files checked byte for byte afterwards.
#include "controls/ActionRunner.h"
#include "reference/ReferenceRecords.h"
#include "reference/ReferenceTestSupport.h"
#include "reference/ui/TfmBankEditor.h"
#include "reference/ui/TfmFirmEditor.h"
#include "store/StoreError.h"
#include "text/Cp1251.h"
#include "text/qt/QtCodec.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <gtest/gtest.h>

using namespace reference_testing;

namespace {

std::string Text(QWidget& window, const char* box) {
    return FromQString(Child<QLineEdit>(window, box).text());
}

void Click(QWidget& window, const char* button) {
    QTest::mouseClick(&Child<QPushButton>(window, button), Qt::LeftButton);
}

bool HasFocus(QWidget& window, const char* name) {
    return QApplication::focusWidget() == &Child<QWidget>(window, name);
}

// The file's bytes with one attribute value replaced (values are UTF-8 there).
std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
    const std::string needle = "\"" + Cp1251ToUtf8(from) + "\"";
    const auto at = bytes.find(needle);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos
               ? bytes
               : bytes.replace(at, needle.size(), "\"" + Cp1251ToUtf8(to) + "\"");
}

} // namespace

using FirmEditor = TReferenceTest;
using BankEditor = TReferenceTest;

TEST_F(FirmEditor, ShowsItsNamesCaptionAndSize) {
    TfmFirmEditor editor(*store_, RunUserAction);
    EXPECT_EQ(editor.objectName(), "TfmFirmEditor");
    EXPECT_EQ(FromQString(editor.windowTitle()), "Организация");
    EXPECT_EQ(editor.size(), QSize(379, 221));
    EXPECT_EQ(FromQString(Child<QPushButton>(editor, "BtnOK").text()), "ОК");
    EXPECT_EQ(FromQString(Child<QPushButton>(editor, "BtnCancel").text()), "Отменить");
    std::vector<std::string> labels;
    for (const char* box : {"eName", "eINN", "eCreditAccount", "eAccount"}) {
        const QWidget& edit = Child<QLineEdit>(editor, box);
        for (const QLabel* label : editor.findChildren<QLabel*>()) {
            if (label->buddy() == &edit) {
                labels.push_back(FromQString(label->text()));
            }
        }
    }
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "Наименование:", "ИНН:", "№ счета (кредит):", "№ расчетн. счета:"}));
}

TEST_F(FirmEditor, OkStopsAtTheFirstEmptyBoxWithoutAMessage) {
    const std::string before = FileBytes(TStoreTable::Firms);
    TfmFirmEditor editor(*store_, RunUserAction);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        EXPECT_TRUE(HasFocus(w, "eName"));
        Click(w, "BtnOK");
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(HasFocus(w, "eName"));
        TypeText(Child<QLineEdit>(w, "eName"), "ООО Ромашка");
        Click(w, "BtnOK");
        EXPECT_TRUE(HasFocus(w, "eINN"));
        TypeText(Child<QLineEdit>(w, "eINN"), " ");
        Click(w, "BtnOK");
        EXPECT_TRUE(HasFocus(w, "eCreditAccount")); // a blank counts as filled
        EXPECT_EQ(QApplication::activeModalWidget(), &w);
        Click(w, "BtnCancel");
    });
    EXPECT_FALSE(editor.Execute());
    EXPECT_EQ(store_->Firms().RecordCount(), 0u);
    EXPECT_EQ(FileBytes(TStoreTable::Firms), before);
}

TEST_F(FirmEditor, EnterWalksTheBoxesToOkAndASecondEnterSavesANewFirm) {
    AddFirm("Прежняя");
    TfmFirmEditor editor(*store_, RunUserAction);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        const std::pair<const char*, const char*> typed[] = {{"eName", "ООО \"Вектор\""},
                                                             {"eINN", "7707083893"},
                                                             {"eCreditAccount", "4070 2810"},
                                                             {"eAccount", "301"}};
        for (const auto& [box, text] : typed) {
            EXPECT_TRUE(HasFocus(w, box)) << box;
            TypeText(*QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_EQ(Text(w, box), text); // Enter is not typed
        }
        EXPECT_TRUE(HasFocus(w, "BtnOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(editor.GetRecordID(), 0);
    const char* const fields[] = {"Name", "INN", "CreditAccount", "Account", "Deleted"};
    EXPECT_EQ(RecordTexts(store_->Firms(), 2, fields),
              (std::vector<std::string>{"ООО \"Вектор\"", "7707083893", "4070 2810", "301", ""}));
    EXPECT_EQ(FileBytes(TStoreTable::Firms), store_->Firms().SaveToBytes(TTableVariant::Utf8));
}

TEST_F(FirmEditor, EditingKeepsTheFieldsItDoesNotShow) {
    const int id = AddFirm("Старое имя", "7725088527", "222", "333");
    TTable& firms = store_->Firms();
    firms.Locate(id);
    firms.Edit();
    firms.FieldByName("DebitAccount").SetString("444");
    firms.FieldByName("KPP").SetString("555");
    firms.FieldByName("OKATO").SetString("666");
    firms.Post();
    store_->SaveFirms();
    const std::string before = FileBytes(TStoreTable::Firms);

    TfmFirmEditor editor(*store_, RunUserAction);
    editor.SetRecordID(id);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        EXPECT_EQ(Text(w, "eName"), "Старое имя");
        EXPECT_EQ(Text(w, "eINN"), "7725088527");
        EXPECT_EQ(Text(w, "eCreditAccount"), "222");
        EXPECT_EQ(Text(w, "eAccount"), "333");
        auto& name = Child<QLineEdit>(w, "eName");
        name.selectAll();
        TypeText(name, "Новое имя");
        Click(w, "BtnOK");
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(editor.GetRecordID(), id);
    EXPECT_EQ(FileBytes(TStoreTable::Firms), Replaced(before, "Старое имя", "Новое имя"));
}

TEST_F(FirmEditor, CancelAfterTypingChangesNothing) {
    const int id = AddFirm("Имя");
    const std::string before = FileBytes(TStoreTable::Firms);
    TfmFirmEditor editor(*store_, RunUserAction);
    editor.SetRecordID(id);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        TypeText(Child<QLineEdit>(w, "eName"), " и ещё");
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_FALSE(editor.Execute());
    EXPECT_EQ(FileBytes(TStoreTable::Firms), before);
    EXPECT_EQ(RecordTexts(store_->Firms(), id, std::vector<const char*>{"Name"})[0], "Имя");
}

TEST_F(FirmEditor, RefusedKeysAreNotTypedAndLeaveTheSelectionAlone) {
    TfmFirmEditor editor(*store_, RunUserAction);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        auto& name = Child<QLineEdit>(w, "eName");
        TypeText(name, "a'b<c>d^e");
        EXPECT_EQ(Text(w, "eName"), "abcde");
        name.selectAll();
        TypeText(name, "<");
        EXPECT_EQ(name.selectedText(), "abcde");

        auto& inn = Child<QLineEdit>(w, "eINN");
        TypeText(inn, "12 a-3б");
        QTest::keyClick(&inn, Qt::Key_Backspace);
        EXPECT_EQ(Text(w, "eINN"), "12 ");
        TypeText(inn, "4");
        QTest::keyClick(&inn, Qt::Key_Home);
        QTest::keyClick(&inn, Qt::Key_Delete);
        EXPECT_EQ(Text(w, "eINN"), "2 4"); // editing keys keep working
        Click(w, "BtnCancel");
    });
    EXPECT_FALSE(editor.Execute());
}

TEST_F(FirmEditor, PastedTextLosesWhatCouldNotBeTypedAndIsKeptToTheFieldWidth) {
    TfmFirmEditor editor(*store_, RunUserAction);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        Paste(Child<QLineEdit>(w, "eName"), "ООО <Ромашка>\r\n'Лютик'^");
        EXPECT_EQ(Text(w, "eName"), "ООО РомашкаЛютик");
        Paste(Child<QLineEdit>(w, "eINN"), "77-07 x083893");
        EXPECT_EQ(Text(w, "eINN"), "7707 083893");
        Paste(Child<QLineEdit>(w, "eCreditAccount"), std::string(60, '1'));
        EXPECT_EQ(Text(w, "eCreditAccount"), std::string(40, '1'));
        auto& account = Child<QLineEdit>(w, "eAccount");
        QTest::mouseClick(&account, Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QStringLiteral("12\u263A3")); // not in the encoding
        QTest::keyClick(&account, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Text(w, "eAccount"), "123");
        Click(w, "BtnOK");
    });
    EXPECT_TRUE(editor.Execute());
    const char* const fields[] = {"Name", "INN", "CreditAccount", "Account"};
    EXPECT_EQ(
        RecordTexts(store_->Firms(), 1, fields),
        (std::vector<std::string>{"ООО РомашкаЛютик", "7707 083893", std::string(40, '1'), "123"}));
}

TEST_F(FirmEditor, ANameLongerThanAnOldFileAllowsIsCutToItsWidth) {
    // An old "Firms.xml" whose name field is narrower than today's.
    testing_support::WriteFile(
        store_->TablePath(TStoreTable::Firms),
        "<?xml version=\"1.0\" standalone=\"yes\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
        "<FIELD attrname=\"ID\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
        "<FIELD attrname=\"Deleted\" fieldtype=\"i4\"/>"
        "<FIELD attrname=\"Name\" fieldtype=\"string\" WIDTH=\"10\"/>"
        "<FIELD attrname=\"CreditAccount\" fieldtype=\"string\" WIDTH=\"40\"/>"
        "<FIELD attrname=\"INN\" fieldtype=\"string\" WIDTH=\"40\"/>"
        "<FIELD attrname=\"Account\" fieldtype=\"string\" WIDTH=\"40\"/>"
        "</FIELDS><PARAMS AUTOINCVALUE=\"1\"/></METADATA><ROWDATA></ROWDATA></DATAPACKET>");
    store_ = std::make_unique<TStore>(work_.path(), program_.path());
    ASSERT_TRUE(store_->Open().empty());
    TfmFirmEditor editor(*store_, RunUserAction);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        TypeText(Child<QLineEdit>(w, "eName"), "Торговый дом");
        EXPECT_EQ(Text(w, "eName"), "Торговый д");
        TypeText(Child<QLineEdit>(w, "eINN"), kINN);
        for (const char* box : {"eCreditAccount", "eAccount"}) {
            TypeText(Child<QLineEdit>(w, box), "1");
        }
        Click(w, "BtnOK");
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(RecordTexts(store_->Firms(), 1, std::vector<const char*>{"Name"})[0], "Торговый д");
}

TEST_F(FirmEditor, AFailedSaveKeepsTheDialogOpenAndOkAgainSavesTheSameNewFirm) {
    AddFirm("Первая");
    const std::string before = FileBytes(TStoreTable::Firms);
    TfmFirmEditor editor(*store_, RunUserAction);
    WhenModal("TfmFirmEditor", [&](QWidget& w) {
        for (const char* box : {"eName", "eCreditAccount", "eAccount"}) {
            TypeText(Child<QLineEdit>(w, box), "1");
        }
        TypeText(Child<QLineEdit>(w, "eINN"), kINN);
        SetReadOnly(TStoreTable::Firms, true);
        const std::string error = ErrorBoxOf([&] { Click(w, "BtnOK"); });
        EXPECT_EQ(error.rfind("Cannot create file \"Firms.xml\". ", 0), 0u) << error;
        EXPECT_EQ(error.back(), '.');
        EXPECT_EQ(QApplication::activeModalWidget(), &w);
        EXPECT_EQ(store_->Firms().RecordCount(), 2u); // changed in memory
        EXPECT_EQ(FileBytes(TStoreTable::Firms), before);

        SetReadOnly(TStoreTable::Firms, false);
        auto& name = Child<QLineEdit>(w, "eName");
        name.selectAll();
        TypeText(name, "Вторая");
        Click(w, "BtnOK");
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(store_->Firms().RecordCount(), 2u);
    EXPECT_EQ(store_->Firms().AutoIncValue(), 3);
    EXPECT_EQ(RecordTexts(store_->Firms(), 2, std::vector<const char*>{"Name"})[0], "Вторая");
    EXPECT_EQ(FileBytes(TStoreTable::Firms), store_->Firms().SaveToBytes(TTableVariant::Utf8));
}

TEST_F(FirmEditor, ARecordThatVanishedMakesOkDoNothing) {
    AddFirm("Есть");
    const std::string before = FileBytes(TStoreTable::Firms);
    TfmFirmEditor editor(*store_, RunUserAction);
    editor.SetRecordID(7);
    WhenModal("TfmFirmEditor", [](QWidget& w) {
        EXPECT_EQ(Text(w, "eName"), "");
        for (const char* box : {"eName", "eCreditAccount", "eAccount"}) {
            TypeText(Child<QLineEdit>(w, box), "9");
        }
        TypeText(Child<QLineEdit>(w, "eINN"), kINN);
        Click(w, "BtnOK");
        EXPECT_EQ(QApplication::activeModalWidget(), &w);
        Click(w, "BtnCancel");
    });
    EXPECT_FALSE(editor.Execute());
    EXPECT_EQ(store_->Firms().RecordCount(), 1u);
    EXPECT_EQ(FileBytes(TStoreTable::Firms), before);
}

TEST_F(BankEditor, ShowsItsFieldsAndTakesNoBlanksInNumbers) {
    const int id = AddBank("Банк", "044525225", "30101");
    TfmBankEditor editor(*store_, RunUserAction);
    EXPECT_EQ(FromQString(editor.windowTitle()), "Банк");
    // Taller than the firm editor's boxes need: three lines from the
    // directory of banks go under the boxes.
    EXPECT_EQ(editor.size(), QSize(379, 199));
    editor.SetRecordID(id);
    WhenModal("TfmBankEditor", [](QWidget& w) {
        EXPECT_TRUE(HasFocus(w, "eName"));
        EXPECT_EQ(Text(w, "eBIK"), "044525225");
        auto& account = Child<QLineEdit>(w, "eDebitAccount");
        account.clear();
        TypeText(account, "3010 1810");
        EXPECT_EQ(Text(w, "eDebitAccount"), "30101810");
        Paste(account, " 4000 0000 0225");
        EXPECT_EQ(Text(w, "eDebitAccount"), "30101810400000000225");
        QTest::keyClick(&account, Qt::Key_Return);
        EXPECT_TRUE(HasFocus(w, "BtnOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(RecordTexts(store_->Banks(), id, std::vector<const char*>{"DebitAccount"})[0],
              "30101810400000000225");
}

TEST_F(BankEditor, ATableThatFailedToLoadRaisesTheStoresErrorAndIsNotWritten) {
    const std::string broken = "<DATAPACKET";
    testing_support::WriteFile(store_->TablePath(TStoreTable::Banks), broken);
    store_ = std::make_unique<TStore>(work_.path(), program_.path());
    ASSERT_EQ(store_->Open().size(), 1u);
    TfmBankEditor editor(*store_, RunUserAction);
    try {
        editor.Execute();
        ADD_FAILURE() << "no error";
    } catch (const EStoreError& error) {
        EXPECT_NE(std::string(error.what()).find("Banks.xml"), std::string::npos);
    }
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(FileBytes(TStoreTable::Banks), broken);
}
