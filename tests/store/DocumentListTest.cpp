// The texts of the main list, built from the three tables.
#include "store/DocumentList.h"
#include "store/Schemas.h"
#include "support/TableSupport.h"
#include "text/DateTime.h"
#include "text/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

using testing_support::EmptyTable;

void AddNamed(TTable& table, std::string_view name, bool deleted) {
    table.Append();
    table.FieldByName("Name").SetString(name);
    if (deleted) {
        table.FieldByName("Deleted").SetInteger(1);
    }
    table.Post();
}

class DocumentList : public ::testing::Test {
protected:
    void SetUp() override { ApplyMainWindowFormatSettings(); }
    void TearDown() override { InitFormatSettings(); }
};

} // namespace

TEST_F(DocumentList, RowsShowDateNamesBagAndSum) {
    TTable firms = EmptyTable(FirmsFieldDefs());
    TTable banks = EmptyTable(BanksFieldDefs());
    TTable documents = EmptyTable(DocumentsFieldDefs());
    AddNamed(firms, "Ромашка", false);
    AddNamed(firms, "Закрытая", true);
    AddNamed(banks, "Банк", false);
    auto add = [&](TDateTime when, int firm, int bank, const char* bag, double sum) {
        documents.Append();
        documents.FieldByName("Datetime").SetDateTime(when);
        documents.FieldByName("FromFirm").SetInteger(firm);
        documents.FieldByName("ToBank").SetInteger(bank);
        documents.FieldByName("BagNumber").SetString(bag);
        documents.FieldByName("CashSum").SetFloat(sum);
        documents.Post();
    };
    add(*EncodeDateTime(2024, 3, 5, 9, 30), 1, 1, "17", 12345.6);
    add(*EncodeDateTime(2024, 3, 6), 2, 9, "", 0.16);

    const auto rows = BuildDocumentList(documents, &firms, &banks);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].ID, 1);
    EXPECT_EQ(rows[0].Date, "05.03.2024   9:30");
    EXPECT_EQ(rows[0].FirmName, "Ромашка");
    EXPECT_EQ(rows[0].BankName, "Банк");
    EXPECT_EQ(rows[0].BagNumber, "17");
    EXPECT_EQ(rows[0].Sum, "12 345,60");
    EXPECT_EQ(rows[1].Date, "06.03.2024   0:00");
    EXPECT_EQ(rows[1].FirmName, "Закрытая"); // marked deleted, still shown
    EXPECT_EQ(rows[1].BankName, "");         // no such bank
    EXPECT_EQ(rows[1].Sum, "0,16");

    // A names table that could not be read: every statement is still listed.
    const auto withoutFirms = BuildDocumentList(documents, nullptr, &banks);
    ASSERT_EQ(withoutFirms.size(), 2u);
    EXPECT_EQ(withoutFirms[0].FirmName, "");
    EXPECT_EQ(withoutFirms[0].BankName, "Банк");
    EXPECT_EQ(withoutFirms[0].Sum, "12 345,60");
}
