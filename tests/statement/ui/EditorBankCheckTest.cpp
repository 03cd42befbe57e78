// The question about bank details on "Сохранить" and "Печать", answered
// both ways as a user answers it, and printing from the main list, which
// asks nothing.
#include "EditorWindowSupport.h"

#include "bank/DirectoryReader.h"
#include "bank/KeptDirectory.h"
#include "statement/StoredStatement.h"
#include "support/widgets/ModalAnswer.h"

#include <QComboBox>
#include <QTest>

#include <algorithm>

namespace {

using testing_support::ClickButton;
using testing_support::ModalAnswer;
using testing_support::ReadFile;

class EditorBankCheck : public EditorWindow {
protected:
    std::string Documents() { return ReadFile(dir_ / "Documents.xml"); }

    // Picks the next item of a list with the keyboard.
    void ChooseNext(const char* list) {
        auto& combo = Find<QComboBox>(list);
        combo.setFocus();
        QTest::keyClick(&combo, Qt::Key_Down);
    }

    // Clicks the button and answers the question with "Да" or "Нет"; the
    // question's text, or empty when none was asked.
    std::string Answer(const char* button, const char* answer) {
        ModalAnswer question(ClickButton(ToQString(answer)));
        Click(button);
        if (editor_->isVisible()) {
            Reactivate();
        }
        return question.Answered() ? FromQString(question.Text()) : std::string();
    }
};

TEST_F(EditorBankCheck, RightOrEmptyDetailsAskNothing) {
    SetField(store_.Firms(), receiver_, "Account", "4060 2810 7000 0000 0025");
    SetField(store_.Banks(), bankB_, "BIK", "044525746");
    Show();
    FillValid();
    ChooseNext("cbToFirm");
    ChooseNext("cbToBank");
    EXPECT_EQ(Answer("BtnPrint", "Нет"), "");
    EXPECT_EQ(previews_.size(), 1u);
    EXPECT_EQ(Answer("BtnOK", "Нет"), "");
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(store_.Documents().RecordCount(), 1u);
}

TEST_F(EditorBankCheck, NoOnSaveGoesBackToTheFirmAndSavesNothingYesSavesAsBefore) {
    SetField(store_.Firms(), receiver_, "INN", "7701000022");
    SetField(store_.Firms(), receiver_, "CreditAccount", "40602810700000000026");
    Show();
    FillValid();
    ChooseNext("cbToFirm");
    const std::string before = Documents();
    EXPECT_EQ(Answer("BtnOK", "Нет"),
              "Реквизиты не прошли проверку:\n\n"
              "Организация-получатель \"Получатель\", ИНН 7701000022: неверное контрольное "
              "число\n"
              "Организация-получатель \"Получатель\", № счета (кредит) 40602810700000000026: "
              "неверный контрольный ключ (БИК 044525225)\n\nПродолжить?");
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(FocusName(), "cbToFirm");
    EXPECT_EQ(Documents(), before);

    EXPECT_NE(Answer("BtnOK", "Да"), "");
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(editor_->result(), QDialog::Accepted);
    ASSERT_TRUE(store_.Documents().Locate(editor_->DocumentID()));
    EXPECT_EQ(store_.Documents().FieldByName("ToFirm").AsInteger(), receiver_);
    EXPECT_NE(Documents(), before);
}

TEST_F(EditorBankCheck, PrintAsksTooAndNoPrintsNothing) {
    SetField(store_.Banks(), bankA_, "DebitAccount", "30101810400000000226");
    Show();
    FillValid();
    EXPECT_EQ(Answer("BtnPrint", "Нет"),
              "Реквизиты не прошли проверку:\n\n"
              "Банк-вноситель \"Банк А\", № счета (дебет) 30101810400000000226: неверный "
              "контрольный ключ (БИК 044525225)\n\nПродолжить?");
    EXPECT_TRUE(previews_.empty());
    EXPECT_EQ(FocusName(), "cbFromBank");
    EXPECT_NE(Answer("BtnPrint", "Да"), "");
    ASSERT_EQ(previews_.size(), 1u);
    EXPECT_EQ(previews_[0]["Debit"], "30101810400000000226");
}

TEST_F(EditorBankCheck, TheExistingCheckGoesFirst) {
    SetField(store_.Banks(), bankA_, "BIK", "1");
    Show();
    // No bag number: the focus goes there, and no question is asked.
    EXPECT_EQ(Answer("BtnOK", "Нет"), "");
    EXPECT_EQ(FocusName(), "eBag");
}

TEST_F(EditorBankCheck, ABankTheDirectoryMarksRevokedIsNamed) {
    TKeptBankDirectory kept(dir_.path());
    kept.Replace(ReadDirectoryFile(testing_support::SourceDir() / "tests" / "bank" / "data" /
                                   "excerpt.xml"));
    editor_->SetBankDirectory(&kept);
    SetField(store_.Banks(), bankB_, "BIK", "045354870");
    Show();
    FillValid();
    ChooseNext("cbToBank");
    EXPECT_EQ(Answer("BtnOK", "Нет"),
              "Реквизиты не прошли проверку:\n\n"
              "Банк-получатель \"Банк Б\", БИК 045354870: отозвана лицензия\n\nПродолжить?");
    EXPECT_EQ(FocusName(), "cbToBank");
    EXPECT_TRUE(editor_->isVisible());
    editor_->reject();
    editor_->SetBankDirectory(nullptr);
}

TEST_F(EditorBankCheck, PrintingFromTheMainListAsksNothing) {
    SetField(store_.Firms(), receiver_, "INN", "7701000022");
    Show();
    FillValid();
    ChooseNext("cbToFirm");
    EXPECT_NE(Answer("BtnOK", "Да"), "");
    // The list prints what is stored, through no window that could ask.
    const TVariableList variables = StoredStatementVariables(store_, editor_->DocumentID());
    const auto inn = std::find_if(variables.begin(), variables.end(),
                                  [](const auto& variable) { return variable.first == "INN"; });
    ASSERT_NE(inn, variables.end());
    EXPECT_EQ(inn->second, "7701000022");
}

} // namespace
