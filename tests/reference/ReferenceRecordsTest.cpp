// Writing, marking and saving the records of the reference tables.
#include "reference/ReferenceRecords.h"
#include "store/StoreError.h"
#include "reference/ReferenceTestSupport.h"

#include <gtest/gtest.h>

using reference_testing::TReferenceTest;

namespace {

const char* const kBankFields[] = {"Name", "BIK", "DebitAccount"};

std::vector<TFieldText> BankTexts(const std::string& name) {
    return {{"Name", name}, {"BIK", "044525225"}, {"DebitAccount", "30101810400000000225"}};
}

} // namespace

using ReferenceRecords = TReferenceTest;

TEST_F(ReferenceRecords, ANewRecordGetsTheNextIDAndAnEmptyDeleted) {
    AddBank("Старый");
    TEditedRecord record;
    record.Start(0);
    const auto id = record.Write(store_->Banks(), BankTexts("Новый"));
    ASSERT_TRUE(id);
    EXPECT_EQ(*id, 2);
    EXPECT_EQ(record.ID(), 0); // still a new record to its editor
    EXPECT_EQ(RecordTexts(store_->Banks(), 2, kBankFields),
              (std::vector<std::string>{"Новый", "044525225", "30101810400000000225"}));
    EXPECT_TRUE(store_->Banks().FieldByName("Deleted").IsNull());
}

TEST_F(ReferenceRecords, WritingAgainAfterAFailedSaveRewritesTheSameNewRecord) {
    TEditedRecord record;
    record.Start(0);
    ASSERT_EQ(record.Write(store_->Banks(), BankTexts("Первая попытка")), 1);
    BlockFile(TStoreTable::Banks);
    EXPECT_THROW(store_->SaveBanks(), EAppError);
    UnblockFile(TStoreTable::Banks);

    ASSERT_EQ(record.Write(store_->Banks(), BankTexts("Вторая попытка")), 1);
    store_->SaveBanks();
    EXPECT_EQ(store_->Banks().RecordCount(), 1u);
    EXPECT_EQ(store_->Banks().AutoIncValue(), 2);
    EXPECT_EQ(RecordTexts(store_->Banks(), 1, kBankFields)[0], "Вторая попытка");

    // A new showing starts a new record again.
    record.Start(0);
    EXPECT_EQ(record.Write(store_->Banks(), BankTexts("Ещё один")), 2);
}

TEST_F(ReferenceRecords, AnExistingRecordKeepsItsIDAndItsOtherFields) {
    const int id = AddFirm("Старое имя");
    TTable& firms = store_->Firms();
    firms.Locate(id);
    firms.Edit();
    firms.FieldByName("KPP").SetString("770101001");
    firms.Post();

    TEditedRecord record;
    record.Start(id);
    const std::vector<TFieldText> texts = {{"Name", "Новое имя"}, {"INN", "7701 0"}};
    EXPECT_EQ(record.Write(firms, texts), id);
    EXPECT_EQ(firms.RecordCount(), 1u);
    const char* const fields[] = {"Name", "INN", "KPP", "Account"};
    EXPECT_EQ(RecordTexts(firms, id, fields),
              (std::vector<std::string>{"Новое имя", "7701 0", "770101001", "3"}));
}

TEST_F(ReferenceRecords, AVanishedRecordIsNotWrittenNorAppended) {
    AddBank("Единственный");
    TEditedRecord record;
    record.Start(42);
    EXPECT_FALSE(record.Write(store_->Banks(), BankTexts("Другой")));
    EXPECT_EQ(store_->Banks().RecordCount(), 1u);
    EXPECT_EQ(RecordTexts(store_->Banks(), 42, kBankFields), std::vector<std::string>(3));
}

TEST_F(ReferenceRecords, LongTextsAreCutToTheFieldWidth) {
    TEditedRecord record;
    record.Start(0);
    const auto id = record.Write(store_->Banks(), BankTexts(std::string(100, 'x')));
    EXPECT_EQ(RecordTexts(store_->Banks(), *id, kBankFields)[0], std::string(80, 'x'));
}

TEST_F(ReferenceRecords, MarkingDeletedKeepsTheRecord) {
    AddFirm("Первая");
    const int second = AddFirm("Вторая");
    EXPECT_TRUE(MarkDeleted(store_->Firms(), second));
    EXPECT_FALSE(MarkDeleted(store_->Firms(), 99));
    EXPECT_EQ(store_->Firms().RecordCount(), 2u);
    ASSERT_TRUE(store_->Firms().Locate(second));
    EXPECT_EQ(store_->Firms().FieldByName("Deleted").AsInteger(), 1);
}

TEST_F(ReferenceRecords, BothTablesAreSavedAndAnUnloadableOneIsLeftAlone) {
    AddFirm("Фирма");
    AddBank("Банк");
    std::filesystem::remove(store_->TablePath(TStoreTable::Firms));
    std::filesystem::remove(store_->TablePath(TStoreTable::Banks));
    SaveReferenceTables(*store_);
    EXPECT_EQ(FileBytes(TStoreTable::Firms), store_->Firms().SaveToBytes(TTableVariant::Utf8));
    EXPECT_EQ(FileBytes(TStoreTable::Banks), store_->Banks().SaveToBytes(TTableVariant::Utf8));

    // A banks file that could not be read stays as it was when a firm is deleted.
    const std::string broken = "not a table";
    testing_support::WriteFile(store_->TablePath(TStoreTable::Banks), broken);
    TStore reopened(work_.path(), program_.path());
    ASSERT_EQ(reopened.Open().size(), 1u);
    ASSERT_TRUE(MarkDeleted(reopened.Firms(), 1));
    SaveReferenceTables(reopened);
    EXPECT_EQ(FileBytes(TStoreTable::Banks), broken);
    EXPECT_NE(FileBytes(TStoreTable::Firms).find("Deleted=\"1\""), std::string::npos);
}
