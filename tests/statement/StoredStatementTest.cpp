// A stored statement read back for printing from the list, and a new
// statement started from a stored one.
#include "statement/StoredStatement.h"
#include "EditorTestSupport.h"
#include "statement/DocumentEditorState.h"
#include "store/FieldValue.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

namespace {

class StoredStatement : public EditorStore {
protected:
    void SetUp() override {
        EditorStore::SetUp();
        AddParties();
        editor_.Load(kDay);
        editor_.AddSource("Прочие поступления", "11");
        // 5301 roubles: 5000 on the first source, 301 on the second, which is current.
        editor_.Load(kDay);
        editor_.SetBagNumber("0417");
        editor_.Select(TEditorList::ToFirm, receiver_);
        editor_.Select(TEditorList::ToBank, bankB_);
        editor_.SetField39("Выручка за день");
        editor_.SetCurrentSource(2);
        editor_.SetAmount(1, "5000");
        editor_.SetCount(1, "1");
        editor_.SetCount(6, "3");
        editor_.SetCount(12, "2");
        ASSERT_TRUE(editor_.Check().Passed);
        ASSERT_TRUE(editor_.Save());
        id_ = editor_.DocumentID();
    }

    // Every field of the stored record, as text.
    std::vector<std::string> Record(std::int64_t id) {
        const TTable& documents = store_.Documents();
        const TRowView row = documents.Row(*documents.FindRow(id));
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < row.size(); ++i) {
            fields.push_back(ValueAsString(documents.FieldDefs()[i], row[i]));
        }
        return fields;
    }

    static constexpr TDateTime kDay = 45356.40625; // 05.03.2024 9:45
    std::int64_t id_ = 0;
    TDocumentEditorState editor_{store_};
};

TEST_F(StoredStatement, PrintsWhatTheEditorPrintsForTheStatementLoaded) {
    TDocumentEditorState loaded(store_);
    loaded.SetDocumentID(id_);
    loaded.Load(kDay + 100);
    const TVariableList variables = StoredStatementVariables(store_, id_);
    EXPECT_EQ(variables, loaded.PrintVariables());
    const std::map<std::string, std::string> byName(variables.begin(), variables.end());
    EXPECT_EQ(byName.at("Bag"), "0417");
    EXPECT_EQ(byName.at("SrcSum1"), "5 000,00");
    EXPECT_EQ(byName.at("Sym2"), "11");
    EXPECT_EQ(byName.at("SrcSum2"), "301,00");
    EXPECT_EQ(byName.at("ToBankBIK"), "044525000");

    // A firm marked deleted since is not printed, as the editor would leave
    // its list unselected.
    MarkDeleted(store_.Firms(), receiver_);
    const TVariableList later = StoredStatementVariables(store_, id_);
    const std::map<std::string, std::string> laterByName(later.begin(), later.end());
    EXPECT_EQ(laterByName.at("ToFirm"), "");
    EXPECT_EQ(laterByName.at("INN"), "");
    EXPECT_EQ(laterByName.at("FromFirm"), "Плательщик");
}

TEST_F(StoredStatement, AStatementThatIsNotThereIsAnError) {
    try {
        StoredStatementVariables(store_, 999);
        FAIL() << "no error";
    } catch (const EAppError& error) {
        EXPECT_STREQ(error.what(), "Ведомость с ID 999 не найдена");
    }
}

TEST_F(StoredStatement, ACopyTakesTheFirmsBanksBagSourceAndFieldButNoCounts) {
    const std::vector<std::string> original = Record(id_);
    TDocumentEditorState copy(store_);
    copy.LoadCopy(id_, kDay + 1);
    EXPECT_EQ(copy.DocumentID(), 0);
    const TStatement& statement = copy.Statement();
    EXPECT_EQ(statement.Datetime, kDay + 1);
    EXPECT_EQ(statement.BagNumber, "0417");
    EXPECT_EQ(statement.Field39, "Выручка за день");
    EXPECT_EQ(statement.FromFirm, payer_);
    EXPECT_EQ(statement.ToFirm, receiver_);
    EXPECT_EQ(statement.FromBank, bankA_);
    EXPECT_EQ(statement.ToBank, bankB_);
    EXPECT_EQ(statement.CurrentSource, 2);
    for (const std::string& count : statement.Counts) {
        EXPECT_EQ(count, "");
    }
    for (const TSourceRow& source : statement.Sources) {
        EXPECT_EQ(source.Amount, "");
    }
    EXPECT_EQ(copy.CashRow(), 1);

    // Typed counts go to the current source; saving adds a statement.
    copy.SetCount(3, "2");
    EXPECT_EQ(statement.Sources[1].Amount, "2000,00");
    ASSERT_TRUE(copy.Check().Passed);
    ASSERT_TRUE(copy.Save());
    EXPECT_NE(copy.DocumentID(), id_);
    EXPECT_EQ(store_.Documents().RecordCount(), 2u);
    EXPECT_EQ(Record(id_), original);
    TDocumentEditorState saved(store_);
    saved.SetDocumentID(copy.DocumentID());
    saved.Load(0);
    EXPECT_EQ(saved.Statement().Counts[0], "");
    EXPECT_EQ(saved.Statement().Counts[2], "2");
    EXPECT_EQ(saved.Statement().BagNumber, "0417");
}

TEST_F(StoredStatement, ACopyLeavesAFirmOrBankMarkedDeletedUnchosen) {
    MarkDeleted(store_.Banks(), bankB_);
    TDocumentEditorState copy(store_);
    copy.LoadCopy(id_, kDay);
    EXPECT_EQ(copy.Statement().ToBank, 0);
    EXPECT_EQ(copy.Statement().FromBank, bankA_);
    copy.SetCount(1, "1");
    EXPECT_EQ(copy.Check().Focus, TEditorControl::ToBank);
}

} // namespace
