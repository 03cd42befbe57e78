// The statement editor's decisions: loading, running totals, balancing, the
// check with its order and focus, saving, and the earn-source operations.
#include "statement/DocumentEditorState.h"
#include "EditorTestSupport.h"
#include "statement/StatementTemplate.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

namespace {

constexpr TDateTime kNoon1March2017 = 42795.5;

class DocumentEditor : public EditorStore {
protected:
    void SetUp() override {
        EditorStore::SetUp();
        AddParties();
        // As the window does on showing: the earn-source list is seeded.
        editor_.Load(kNoon1March2017);
    }

    // A statement that passes the check: bag 12, 5301 roubles on source 1.
    void FillValid() {
        editor_.Load(kNoon1March2017);
        editor_.SetBagNumber("12");
        editor_.SetCount(1, "1");
        editor_.SetCount(6, "3");
        editor_.SetCount(12, "2");
    }

    void AddSources(int count) {
        for (int i = 0; i < count; ++i) {
            editor_.AddSource("Источник", "1");
        }
    }

    TDocumentEditorState editor_{store_};
};

} // namespace

void PrintTo(const TEditorLabel& label, std::ostream* out) {
    *out << '"' << label.Text << '"' << (label.Good ? " green" : " red");
}

TEST_F(DocumentEditor, NewStatementOpensWithTodayDefaultsAndTheSeededSource) {
    store_.SetDefaultID(TStore::kFirmSlot, static_cast<int>(receiver_));
    editor_.SetCurrentSource(1);
    editor_.Load(kNoon1March2017);
    const TStatement& statement = editor_.Statement();
    EXPECT_EQ(statement.Datetime, kNoon1March2017);
    EXPECT_EQ(statement.BagNumber, "");
    for (const std::string& count : statement.Counts) {
        EXPECT_EQ(count, "");
    }
    // The default firm in both firm lists; no default bank: the first bank.
    EXPECT_EQ(editor_.SelectedID(TEditorList::FromFirm), receiver_);
    EXPECT_EQ(editor_.SelectedID(TEditorList::ToFirm), receiver_);
    EXPECT_EQ(editor_.SelectedID(TEditorList::FromBank), bankA_);
    EXPECT_EQ(editor_.SelectedID(TEditorList::ToBank), bankA_);
    ASSERT_EQ(statement.Sources.size(), 1u);
    EXPECT_EQ(editor_.SourceCaption(1), "02. Торговая выручка");
    EXPECT_EQ(statement.Sources[0].Amount, "");
    EXPECT_EQ(editor_.CashLabel(), (TEditorLabel{"0,00 руб.", true}));
    EXPECT_EQ(editor_.SourceLabel(), (TEditorLabel{"0,00 р.", true}));
}

TEST_F(DocumentEditor, TypedCountsFillTheCurrentSourceAndOtherAmountsShowTheDifference) {
    AddSources(1);
    editor_.Load(kNoon1March2017);
    editor_.SetCount(1, "2");
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "10000,00");
    EXPECT_EQ(editor_.CashLabel(), (TEditorLabel{"10 000,00 руб.", true}));
    EXPECT_EQ(editor_.SourceLabel(), (TEditorLabel{"10 000,00 р.", true}));

    // An amount typed into another source only shows how far the split is off.
    editor_.SetAmount(2, "1500");
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "10000,00");
    EXPECT_EQ(editor_.SourceLabel(), (TEditorLabel{"11 500,00 р. (разн. -1 500,00 р.)", false}));
    editor_.SetAmount(1, "8500");
    EXPECT_EQ(editor_.SourceLabel(), (TEditorLabel{"10 000,00 р.", true}));

    // The next count books the rest to the current source, the others kept.
    editor_.SetCount(6, "1");
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "8600,00");
    EXPECT_EQ(editor_.Statement().Sources[1].Amount, "1500"); // as typed
    // When the others cover the total the current amount is emptied; above
    // it, the current amount goes negative.
    editor_.SetAmount(2, "10100");
    editor_.SetCount(6, "");
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "-100,00");
    editor_.SetCount(6, "1");
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "");
}

TEST_F(DocumentEditor, ABadCountIsNamedInRedAndStopsTheCheck) {
    FillValid();
    editor_.SetCount(3, "10000");
    EXPECT_EQ(editor_.CashLabel(), (TEditorLabel{"Ошибка в 1000 руб ", false}));
    editor_.SetCashRow(15);
    const TCheckResult result = editor_.Check();
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(result.Focus, TEditorControl::Cash);
    EXPECT_EQ(result.Message, "");
    EXPECT_EQ(editor_.CashRow(), 3);

    // A count far beyond the money range is an error too, never a crash.
    editor_.SetCount(3, "922337203685477580");
    EXPECT_EQ(editor_.CashLabel().Text, "Ошибка в 1000 руб ");
    editor_.SetCount(3, "9999");
    EXPECT_EQ(editor_.CashLabel(), (TEditorLabel{"10 004 301,00 руб.", true}));
    EXPECT_TRUE(editor_.Check().Passed);
}

TEST_F(DocumentEditor, CheckGoesInOrderAndFocusesTheFirstFault) {
    editor_.Load(kNoon1March2017);
    EXPECT_EQ(editor_.Check().Focus, TEditorControl::Bag);
    editor_.SetBagNumber("12");
    editor_.SetCashRow(7);
    EXPECT_EQ(editor_.Check().Focus, TEditorControl::Cash); // nothing counted
    EXPECT_EQ(editor_.CashRow(), 1);
    editor_.SetCount(1, "1");
    editor_.Select(TEditorList::FromBank, 0);
    editor_.Select(TEditorList::ToFirm, 0);
    EXPECT_EQ(editor_.Check().Focus, TEditorControl::ToFirm);
    editor_.Select(TEditorList::ToFirm, receiver_);
    EXPECT_EQ(editor_.Check().Focus, TEditorControl::FromBank);
    editor_.Select(TEditorList::FromBank, 999); // not listed: no selection
    EXPECT_EQ(editor_.Check().Focus, TEditorControl::FromBank);
    editor_.Select(TEditorList::FromBank, bankB_);
    const TCheckResult passed = editor_.Check();
    EXPECT_TRUE(passed.Passed);
    EXPECT_EQ(passed.Focus, TEditorControl::None);
}

TEST_F(DocumentEditor, CheckBalancesBeforeJudgingTheSources) {
    FillValid();
    editor_.SetAmount(1, "");
    // The check books the total to the current source itself.
    EXPECT_TRUE(editor_.Check().Passed);
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "5301,00");

    AddSources(1);
    editor_.SetCurrentSource(2);
    editor_.SetAmount(1, "6000");
    // Source 2 gets -699,00, which ends the walk over the sources: it is
    // named and becomes current.
    const TCheckResult over = editor_.Check();
    EXPECT_FALSE(over.Passed);
    EXPECT_EQ(editor_.Statement().Sources[1].Amount, "-699,00");
    EXPECT_EQ(over.Message,
              "Неверная сумма в источнике поступления \"" + editor_.SourceCaption(2) + "\"");
    EXPECT_EQ(editor_.Statement().CurrentSource, 2);
    EXPECT_EQ(over.Focus, TEditorControl::Source);
}

TEST_F(DocumentEditor, SixUsedSourcesAreRefusedAndFiveAccepted) {
    AddSources(5);
    FillValid();
    for (int row = 2; row <= 6; ++row) {
        editor_.SetAmount(row, "1");
    }
    const TCheckResult six = editor_.Check();
    EXPECT_FALSE(six.Passed);
    EXPECT_EQ(six.Message, "Выберите не более 5 источников поступления");
    EXPECT_EQ(six.Focus, TEditorControl::Source);
    editor_.SetAmount(6, "");
    EXPECT_TRUE(editor_.Check().Passed);
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "5297,00");
}

TEST_F(DocumentEditor, SourcesMustMatchTheTotalToTheLastFraction) {
    AddSources(1);
    FillValid();
    // Source 1 is filled to 5300,9999 and shown rounded to 5301,00: a
    // hundredth of a kopeck off, which a float comparison would let pass.
    editor_.SetAmount(2, "0,0001");
    const TCheckResult result = editor_.Check();
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(result.Message, "Сумма банкнот (монет) и итог по источникам поступления различаются");
    EXPECT_FALSE(editor_.SourceLabel().Good);
}

TEST_F(DocumentEditor, HugePastedAmountsOnlyMakeTheSplitDiffer) {
    AddSources(2);
    FillValid();
    editor_.SetAmount(2, "900000000000000");
    editor_.SetAmount(3, "900000000000000");
    EXPECT_FALSE(editor_.SourceLabel().Good);
    editor_.SetCount(1, "2"); // the current source takes the most negative rest
    EXPECT_FALSE(editor_.Check().Passed);
}

TEST_F(DocumentEditor, CountsWorthNothingSendTheUserBackToTheCounts) {
    FillValid();
    editor_.SetCount(1, "");
    editor_.SetCount(6, "");
    editor_.SetCount(12, "");
    editor_.SetCount(15, "0"); // counted, yet worth nothing
    EXPECT_EQ(editor_.Check().Focus, TEditorControl::Cash);
}

TEST_F(DocumentEditor, AnUnreadableAmountEndsTheWalkAndIsNeverDroppedSilently) {
    AddSources(2);
    FillValid();
    // Before any amount: the row is named, not the missing amounts after it.
    editor_.SetCurrentSource(2);
    editor_.SetAmount(1, ",");
    TCheckResult result = editor_.Check();
    EXPECT_EQ(result.Message,
              "Неверная сумма в источнике поступления \"" + editor_.SourceCaption(1) + "\"");
    EXPECT_EQ(result.Focus, TEditorControl::Source);
    EXPECT_EQ(editor_.Statement().CurrentSource, 1);

    // After a split that adds up: saving would lose it, so it is named.
    editor_.SetAmount(1, "");
    editor_.SetAmount(2, "");
    editor_.SetCurrentSource(1);
    editor_.SetAmount(3, "1,2,3");
    result = editor_.Check();
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(result.Message, "Неверная сумма в источнике поступления \"1. Источник\"");
    EXPECT_EQ(result.Focus, TEditorControl::Source);
    EXPECT_EQ(editor_.Statement().CurrentSource, 3);
    editor_.SetAmount(3, "");
    EXPECT_TRUE(editor_.Check().Passed);
}

TEST_F(DocumentEditor, ANegativeBalancedAmountIsNamedWhileTheLabelShowsTheSplitAddsUp) {
    AddSources(1);
    FillValid();
    // Another source above the total of 5301 leaves the current one
    // negative: the split adds up, so the label is green, and the check must
    // not say otherwise.
    editor_.SetAmount(2, "5401");
    editor_.SetCount(1, "1");
    ASSERT_EQ(editor_.Statement().Sources[0].Amount, "-100,00");
    EXPECT_TRUE(editor_.SourceLabel().Good);
    const TCheckResult result = editor_.Check();
    EXPECT_EQ(result.Message,
              "Неверная сумма в источнике поступления \"" + editor_.SourceCaption(1) + "\"");
    EXPECT_EQ(result.Focus, TEditorControl::Source);
}

TEST_F(DocumentEditor, SavingANewStatementTakesTheTablesIDAndAnOldOneKeepsIt) {
    FillValid();
    editor_.SetField39("Текст");
    ASSERT_TRUE(editor_.Check().Passed);
    ASSERT_TRUE(editor_.Save());
    const std::int64_t id = editor_.DocumentID();
    EXPECT_GT(id, 0);

    // What the file holds reads back as the same statement.
    TStore reopened(dir_.path(), dir_.path());
    ASSERT_TRUE(reopened.Open().empty());
    TTable& documents = reopened.Documents();
    ASSERT_TRUE(documents.Locate(id));
    EXPECT_EQ(documents.FieldByName("Cash").AsString(),
              "<5000>1<2000>0<1000>0<500>0<200>0<100>3<50>0<10>0<5>0<2>0<1>0<05>2<01>0<005>0"
              "<001>0<SI>1<SS1>5301,00");
    EXPECT_EQ(documents.FieldByName("CashSum").AsFloat(), 5301.0);
    EXPECT_EQ(documents.FieldByName("FIELD39").AsString(), "Текст");
    EXPECT_EQ(documents.FieldByName("ToFirm").AsInteger(), payer_);

    TDocumentEditorState again(reopened);
    again.SetDocumentID(id);
    again.Load(0);
    EXPECT_EQ(again.Statement().Datetime, kNoon1March2017);
    EXPECT_EQ(again.Statement().Counts[5], "3");
    again.SetBagNumber("13");
    ASSERT_TRUE(again.Save());
    EXPECT_EQ(again.DocumentID(), id);
    EXPECT_EQ(reopened.Documents().RecordCount(), 1u);
}

TEST_F(DocumentEditor, AReadOnlyStatementsFileFailsTheSaveAndARetryAddsNoSecondRecord) {
    FillValid();
    const std::filesystem::path file = store_.TablePath(TStoreTable::Documents);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    EXPECT_THROW(editor_.Save(), EAppError);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_TRUE(editor_.Save());
    TStore reopened(dir_.path(), dir_.path());
    ASSERT_TRUE(reopened.Open().empty());
    EXPECT_EQ(reopened.Documents().RecordCount(), 1u);
}

TEST_F(DocumentEditor, AStatementThatVanishedIsNotSaved) {
    FillValid();
    ASSERT_TRUE(editor_.Save());
    TTable& documents = store_.Documents();
    ASSERT_TRUE(documents.Locate(editor_.DocumentID()));
    documents.Remove();
    EXPECT_FALSE(editor_.Save());
    EXPECT_EQ(documents.RecordCount(), 0u);
}

TEST_F(DocumentEditor, AStatementWithADeletedFirmOpensUnselectedAndIsHeldBack) {
    FillValid();
    editor_.Select(TEditorList::ToFirm, receiver_);
    ASSERT_TRUE(editor_.Save());
    MarkDeleted(store_.Firms(), receiver_);

    editor_.Load(kNoon1March2017);
    EXPECT_EQ(editor_.SelectedID(TEditorList::FromFirm), payer_);
    EXPECT_EQ(editor_.SelectedID(TEditorList::ToFirm), 0);
    ASSERT_EQ(editor_.Firms().size(), 1u);
    EXPECT_EQ(editor_.Check().Focus, TEditorControl::ToFirm);
    // Printed from the list, the receiver's values stay empty rather than
    // borrowing another firm's.
    for (const auto& [name, value] : editor_.PrintVariables()) {
        if (name == "ToFirm" || name == "INN") {
            EXPECT_EQ(value, "") << name;
        }
    }
}

TEST_F(DocumentEditor, RebuiltListsKeepTheirSelections) {
    editor_.Load(kNoon1March2017);
    editor_.Select(TEditorList::ToFirm, receiver_);
    const std::int64_t added = AddFirm("Новая");
    editor_.RebuildFirmLists();
    EXPECT_EQ(editor_.Firms().back(), (TChoiceItem{added, "Новая"}));
    EXPECT_EQ(editor_.SelectedID(TEditorList::ToFirm), receiver_);
    MarkDeleted(store_.Firms(), receiver_);
    editor_.RebuildFirmLists();
    EXPECT_EQ(editor_.SelectedID(TEditorList::ToFirm), 0);
    EXPECT_EQ(editor_.SelectedID(TEditorList::FromFirm), payer_);
}

TEST_F(DocumentEditor, DeletingASourceMovesTheAmountsBelowItWithTheirSources) {
    editor_.AddSource("Второй", "5");
    editor_.AddSource("Третий", "7");
    FillValid();
    editor_.SetAmount(2, "300");
    editor_.SetAmount(3, "1");
    editor_.SetCurrentSource(2);
    EXPECT_EQ(editor_.DeleteQuestion(), "Вы действительно хотите удалить \"5. Второй\"?");
    editor_.DeleteCurrentSource();

    const auto& sources = editor_.Statement().Sources;
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(editor_.SourceCaption(2), "7. Третий");
    EXPECT_EQ(sources[1].Amount, "1");
    EXPECT_EQ(sources[0].Amount, "5301,00"); // nothing filled after a delete
    EXPECT_EQ(editor_.SourceLabel(), (TEditorLabel{"5 302,00 р. (разн. -1,00 р.)", false}));
    TXNod& section = store_.EarnSources().Section("Источники");
    ASSERT_EQ(section.SectionCount(), 2);
    EXPECT_EQ(section.SectionByIndex(1).GetAttributeDef("Наименование", ""), "Третий");

    // The last row deleted: the current row moves up to the new last.
    editor_.DeleteCurrentSource();
    EXPECT_EQ(editor_.Statement().CurrentSource, 1);
    EXPECT_TRUE(editor_.IsOnlySource());
    editor_.DeleteCurrentSource(); // refused: the window offers Change instead
    EXPECT_EQ(editor_.Statement().Sources.size(), 1u);
}

TEST_F(DocumentEditor, AddedAndChangedSourcesKeepTheTypedAmounts) {
    FillValid();
    editor_.AddSource("Прочие", "005");
    ASSERT_EQ(editor_.Statement().Sources.size(), 2u);
    EXPECT_EQ(editor_.SourceCaption(2), "005. Прочие");
    EXPECT_EQ(editor_.Statement().Sources[1].Amount, "");
    editor_.ChangeSource(1, "Выручка", "01");
    EXPECT_EQ(editor_.SourceCaption(1), "01. Выручка");
    EXPECT_EQ(editor_.Statement().Sources[0].Amount, "5301,00");
}

TEST(StatementTemplate, AMissingTemplateIsNamedWithItsFolder) {
    const testing_support::TempDir dir;
    try {
        LocateStatementTemplate(dir.path());
        FAIL() << "no error";
    } catch (const EFileError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("Ведомость.rt3"), std::string::npos) << message;
        EXPECT_NE(message.find(dir.path().string()), std::string::npos) << message;
    }
    const std::filesystem::path file = dir.path() / std::filesystem::path(u8"Ведомость.rt3");
    testing_support::WriteFile(file, "");
    EXPECT_EQ(LocateStatementTemplate(dir.path()), file);
}
