// The decisions of the reference book windows, without any widget.
#include "reference/ReferenceRules.h"
#include "reference/ReferenceTestSupport.h"

#include <gtest/gtest.h>

using reference_testing::TReferenceTest;

TEST(ReferenceKeys, NamesRefuseOnlyTheMarkupCharacters) {
    for (const char c : std::string("'<>^")) {
        EXPECT_FALSE(KeyTyped(TTextKind::Name, c)) << c;
    }
    for (const char c : std::string("aZ0 .,\"&-№Ёя")) {
        EXPECT_TRUE(KeyTyped(TTextKind::Name, c)) << c;
    }
}

TEST(ReferenceKeys, NumberBoxesTakeDigitsAndBackspaceAndBlanksOnlyWhereAllowed) {
    for (const TTextKind kind : {TTextKind::DigitsAndBlanks, TTextKind::Digits}) {
        for (const char c : std::string("0123456789\b")) {
            EXPECT_TRUE(KeyTyped(kind, c)) << c;
        }
        for (const char c : std::string("a-+.,/Я\t")) {
            EXPECT_FALSE(KeyTyped(kind, c)) << c;
        }
    }
    EXPECT_TRUE(KeyTyped(TTextKind::DigitsAndBlanks, ' '));
    EXPECT_FALSE(KeyTyped(TTextKind::Digits, ' '));
}

TEST(ReferenceKeys, PastedTextKeepsWhatCouldHaveBeenTyped) {
    EXPECT_EQ(CleanedText(TTextKind::Name, "ООО <Ромашка>\r\n'Лютик'^\t"), "ООО РомашкаЛютик");
    EXPECT_EQ(CleanedText(TTextKind::DigitsAndBlanks, "4070 2810-x\b9"), "4070 28109");
    EXPECT_EQ(CleanedText(TTextKind::Digits, " 04 45 25\n"), "044525");
    EXPECT_EQ(CleanedText(TTextKind::Digits, ""), "");
}

TEST(ReferenceChecks, TheFirstEmptyBoxStopsTheCheckAndBlanksCountAsFilled) {
    EXPECT_EQ(FirstEmptyText(std::vector<std::string>{"", ""}), 0);
    EXPECT_EQ(FirstEmptyText(std::vector<std::string>{"a", "", ""}), 1);
    EXPECT_EQ(FirstEmptyText(std::vector<std::string>{" ", " "}), -1);
}

TEST(ReferenceChecks, TheDeleteQuestionQuotesTheName) {
    EXPECT_EQ(DeleteQuestion("ООО \"Вектор\""),
              "Вы действительно хотите удалить \"ООО \"Вектор\"\"?");
    EXPECT_EQ(DeleteQuestion("100%s"), "Вы действительно хотите удалить \"100%s\"?");
}

TEST(ReferenceListClick, EachColumnHasItsAction) {
    // column, row, row count, slot, row has an ID
    EXPECT_EQ(DoubleClickAction(0, 1, 3, 1, true), TListClick::Edit);
    EXPECT_EQ(DoubleClickAction(1, 2, 3, 1, true), TListClick::Choose);
    EXPECT_EQ(DoubleClickAction(2, 2, 3, 1, true), TListClick::SetDefault);
    EXPECT_EQ(DoubleClickAction(2, 2, 3, 0, true), TListClick::Nothing);
}

TEST(ReferenceListClick, ThePlaceholderRowOnlyClearsTheDefault) {
    EXPECT_EQ(DoubleClickAction(0, 1, 2, 2, false), TListClick::Nothing);
    EXPECT_EQ(DoubleClickAction(1, 1, 2, 2, false), TListClick::Nothing);
    EXPECT_EQ(DoubleClickAction(2, 1, 2, 2, false), TListClick::SetDefault);
}

TEST(ReferenceListClick, OutsideTheDataRowsNothingHappens) {
    EXPECT_EQ(DoubleClickAction(1, 0, 3, 1, true), TListClick::Nothing);  // titles
    EXPECT_EQ(DoubleClickAction(1, 3, 3, 1, true), TListClick::Nothing);  // below the rows
    EXPECT_EQ(DoubleClickAction(-1, 1, 3, 1, true), TListClick::Nothing); // beside the columns
    EXPECT_EQ(DoubleClickAction(3, 1, 3, 1, true), TListClick::Nothing);
}

using ReferenceList = TReferenceTest;

TEST_F(ReferenceList, ShowsRecordsNotMarkedDeletedInTableOrder) {
    const int a = AddFirm("Альфа");
    const int b = AddFirm("Бета");
    const int c = AddFirm("Гамма");
    MarkRecordDeleted(TStoreTable::Firms, b);
    const auto records = ListedRecords(store_->Firms(), c);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].ID, a);
    EXPECT_EQ(records[0].Name, "Альфа");
    EXPECT_FALSE(records[0].Default);
    EXPECT_EQ(records[1].ID, c);
    EXPECT_TRUE(records[1].Default);

    EXPECT_EQ(RowOfRecord(records, c), 2);
    EXPECT_EQ(RowOfRecord(records, b), 1); // marked deleted: the first row
    EXPECT_EQ(RowOfRecord(records, 0), 1);
    EXPECT_EQ(RowOfRecord({}, a), 1);
}

TEST_F(ReferenceList, AnyNonzeroDeletedHidesARecordAndAnEmptyOneShowsIt) {
    AddBank("Первый");
    TTable& banks = store_->Banks();
    banks.Append();
    banks.FieldByName("Name").SetString("Второй");
    banks.FieldByName("Deleted").SetInteger(-7);
    banks.Post();
    const auto records = ListedRecords(banks, 0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Name, "Первый");
}
