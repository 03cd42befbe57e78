// The in-memory table: identifiers, the cursor, editing and typed fields.
#include "store/Table.h"
#include "store/Schemas.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TTable Firms() {
    TTable table;
    for (TFieldDef& def : FirmsFieldDefs()) {
        table.AddFieldDef(std::move(def));
    }
    table.CreateDataSet();
    return table;
}

std::int64_t AddFirm(TTable& table, std::string_view name) {
    table.Append();
    table.FieldByName("ID").SetInteger(999); // replaced when posted
    table.FieldByName("Name").SetString(name);
    table.Post();
    return table.FieldByName("ID").AsInteger();
}

} // namespace

TEST(Table, PostingNumbersRowsAndIdsAreNeverReused) {
    TTable table = Firms();
    EXPECT_EQ(AddFirm(table, "A"), 1);
    EXPECT_EQ(AddFirm(table, "B"), 2);
    EXPECT_EQ(AddFirm(table, "C"), 3);
    ASSERT_TRUE(table.Locate(3));
    table.Remove();
    EXPECT_EQ(AddFirm(table, "D"), 4);
    EXPECT_EQ(table.AutoIncValue(), 5);
    EXPECT_EQ(table.ChangeCount(), 5);
    table.MergeChangeLog();
    EXPECT_EQ(table.ChangeCount(), 0);
}

TEST(Table, LocateFindsRowsAfterRemovalsAndEdits) {
    TTable table = Firms();
    for (const char* name : {"A", "B", "C", "D"}) {
        AddFirm(table, name);
    }
    ASSERT_TRUE(table.Locate(2));
    table.Remove();
    EXPECT_EQ(table.FieldByName("Name").AsString(), "C"); // the next row becomes current
    EXPECT_FALSE(table.Locate(2));
    EXPECT_EQ(table.FieldByName("Name").AsString(), "C"); // a failed locate does not move
    ASSERT_TRUE(table.Locate(4));
    EXPECT_EQ(table.RecNo(), 2u);
    table.Remove(); // the last row: the one before becomes current
    EXPECT_EQ(table.FieldByName("Name").AsString(), "C");

    table.Edit();
    table.FieldByName("ID").SetInteger(10);
    table.Post();
    EXPECT_FALSE(table.Locate(3));
    ASSERT_TRUE(table.Locate(10));
    EXPECT_EQ(table.FieldByName("Name").AsString(), "C");

    table.Edit();
    table.FieldByName("ID").SetInteger(1);
    EXPECT_THROW(table.Post(), EStoreError); // IDs stay unique
}

TEST(Table, WalkVisitsRowsInOrder) {
    TTable table = Firms();
    std::string seen;
    for (table.First(); !table.Eof(); table.Next()) {
        seen += "?";
    }
    EXPECT_EQ(seen, "");
    for (const char* name : {"A", "B", "C"}) {
        AddFirm(table, name);
    }
    for (table.First(); !table.Eof(); table.Next()) {
        seen += table.FieldByName("name").AsString();
    }
    EXPECT_EQ(seen, "ABC");
}

TEST(Table, EditOnAnEmptyTableStartsANewRow) {
    TTable table = Firms();
    table.Edit();
    table.FieldByName("Name").SetString("New");
    table.Post();
    EXPECT_EQ(table.RecordCount(), 1u);
    EXPECT_EQ(table.FieldByName("ID").AsInteger(), 1);
}

TEST(Table, FieldsAreTypedAndCutToTheirWidth) {
    TTable table = Firms();
    table.Append();
    table.FieldByName("name").SetString(std::string(100, 'x'));
    table.FieldByName("INN").SetInteger(7707083893);
    table.FieldByName("DELETED").SetString("1");
    EXPECT_THROW(table.FieldByName("Deleted").SetString("yes"), EConvertError);
    EXPECT_THROW(table.FieldByName("Deleted").SetInteger(1LL << 40), EConvertError);
    table.Post();
    EXPECT_EQ(table.FieldByName("Name").AsString(), std::string(80, 'x'));
    EXPECT_EQ(table.FieldByName("INN").AsString(), "7707083893");
    EXPECT_EQ(table.FieldByName("Deleted").AsInteger(), 1);
    // Empty values read as 0, the empty text and 0.0; an empty text written is empty.
    EXPECT_TRUE(table.FieldByName("KPP").IsNull());
    EXPECT_EQ(table.FieldByName("KPP").AsString(), "");
    table.Edit();
    table.FieldByName("Deleted").Clear();
    table.FieldByName("Name").SetString("");
    table.Post();
    EXPECT_EQ(table.FieldByName("Deleted").AsInteger(), 0);
    EXPECT_TRUE(table.FieldByName("Name").IsNull());

    try {
        table.FieldByName("Phone");
        FAIL();
    } catch (const EStoreError& e) {
        EXPECT_STREQ(e.what(), "Field 'Phone' not found");
    }
}

TEST(Table, FloatsThatNoFileCouldHoldAreRefused) {
    TTable table = Firms();
    table.Close();
    table.ClearDefinitions();
    table.AddFieldDef(MakeFieldDef("Sum", TFieldType::Currency));
    table.AddFieldDef(MakeFieldDef("When", TFieldType::DateTime));
    table.CreateDataSet();
    table.Append();
    EXPECT_THROW(table.FieldByName("Sum").SetFloat(std::numeric_limits<double>::infinity()),
                 EConvertError);
    EXPECT_THROW(table.FieldByName("When").SetDateTime(1e300), EConvertError);
}

TEST(Table, AnEditThatWasNotPostedNeverReachesTheFile) {
    TTable table = Firms();
    AddFirm(table, "Kept");
    table.Edit();
    table.FieldByName("Name").SetString("Half done");
    const std::string bytes = table.SaveToBytes(TTableVariant::Utf8);
    EXPECT_EQ(bytes.find("Half done"), std::string::npos);
    EXPECT_FALSE(table.Editing());
    EXPECT_EQ(table.FieldByName("Name").AsString(), "Kept");
}

TEST(Table, ClosedTablesAndLongFieldNamesRaise) {
    TTable table;
    EXPECT_THROW(table.First(), EStoreError);
    table.AddFieldDef(MakeFieldDef(std::string(32, 'N'), TFieldType::Integer));
    table.CreateDataSet();
    try {
        table.SaveToBytes(TTableVariant::Utf8);
        FAIL();
    } catch (const EStoreError& e) {
        EXPECT_EQ(std::string(e.what()), "Fieldname " + std::string(32, 'N') + " exceeds 31 chars");
    }
    EXPECT_THROW(table.FindRow(1), EStoreError); // no ID field to look up
}

TEST(Table, FieldNamesThatWouldBreakTheFileAreWrittenSafely) {
    TTable table;
    table.AddFieldDef(MakeFieldDef("a b", TFieldType::Integer));
    table.AddFieldDef(MakeFieldDef("x=\"y\"", TFieldType::Integer));
    table.CreateDataSet();
    table.Append();
    table.FieldByName("A B").SetInteger(1);
    table.FieldByName("x=\"y\"").SetInteger(2);
    table.Post();
    const std::string bytes = table.SaveToBytes(TTableVariant::Utf8);
    EXPECT_NE(bytes.find("<FIELD fieldname=\"a b\" attrname=\"a_b\""), std::string::npos);
    EXPECT_NE(bytes.find("fieldname=\"x=&quot;y&quot;\" attrname=\"x__y_\""), std::string::npos);
    TTable back;
    back.LoadFromBytes(bytes, "x");
    back.First();
    EXPECT_EQ(back.FieldByName("x=\"y\"").AsInteger(), 2);

    TTable clash;
    clash.AddFieldDef(MakeFieldDef("a b", TFieldType::Integer));
    clash.AddFieldDef(MakeFieldDef("a_b", TFieldType::Integer));
    clash.CreateDataSet();
    EXPECT_THROW(clash.SaveToBytes(TTableVariant::Utf8), EStoreError);
}
