// Text values of a table: stored by edits, read in place from a file, kept
// valid through edits, copies and reloads.
#include "store/Table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TTable Notes() {
    TTable table;
    table.AddFieldDef(MakeFieldDef("ID", TFieldType::AutoInc));
    table.AddFieldDef(MakeFieldDef("Text", TFieldType::String));
    table.AddFieldDef(MakeFieldDef("Short", TFieldType::String, 4));
    table.CreateDataSet();
    return table;
}

void AddNote(TTable& table, std::string_view text) {
    table.Append();
    table.FieldByName("Text").SetString(text);
    table.FieldByName("Short").SetString(text);
    table.Post();
}

std::string NoteText(int i) {
    // Short, long (past a block of stored text) and Cyrillic texts with escapes.
    if (i % 100 == 0) {
        return std::string(70000, 'Щ') + std::to_string(i);
    }
    return "Запись <" + std::to_string(i) + "> & \"" + std::string(i % 40, 'z') + "\"";
}

void ExpectNotes(TTable& table, int count) {
    ASSERT_EQ(table.RecordCount(), static_cast<std::size_t>(count));
    table.First();
    for (int i = 0; i < count; ++i, table.Next()) {
        ASSERT_EQ(table.FieldByName("Text").AsString(), NoteText(i)) << i;
        ASSERT_EQ(table.FieldByName("Short").AsString(), NoteText(i).substr(0, 4)) << i;
    }
}

} // namespace

TEST(TableText, ManyStoredTextsStayIntactAndRoundTrip) {
    TTable table = Notes();
    for (int i = 0; i < 1000; ++i) {
        AddNote(table, NoteText(i));
    }
    ExpectNotes(table, 1000);
    for (TTableVariant variant : {TTableVariant::Utf8, TTableVariant::SingleByte}) {
        const std::string bytes = table.SaveToBytes(variant);
        TTable back;
        back.LoadFromBytes(bytes, "Notes.xml");
        ExpectNotes(back, 1000);
        EXPECT_EQ(back.SaveToBytes(variant), bytes);
    }
}

TEST(TableText, AValueEditedManyTimesKeepsTheLastAndLeavesOthersAlone) {
    TTable table = Notes();
    AddNote(table, "первая");
    AddNote(table, "вторая");
    ASSERT_TRUE(table.Locate(1));
    for (int i = 0; i < 20000; ++i) {
        table.Edit();
        table.FieldByName("Text").SetString("правка " + std::to_string(i));
        if (i % 3 == 0) {
            table.Cancel();
        } else {
            table.Post();
        }
    }
    EXPECT_EQ(table.FieldByName("Text").AsString(), "правка 19999");
    ASSERT_TRUE(table.Locate(2));
    EXPECT_EQ(table.FieldByName("Text").AsString(), "вторая");
    table.Edit();
    table.FieldByName("Text").Clear();
    table.Post();
    EXPECT_TRUE(table.FieldByName("Text").IsNull());
}

TEST(TableText, LoadedTextsOutliveReloadsOfTheirSource) {
    TTable table = Notes();
    for (int i = 0; i < 300; ++i) {
        AddNote(table, NoteText(i));
    }
    std::string bytes = table.SaveToBytes(TTableVariant::Utf8);
    auto loaded = std::make_unique<TTable>();
    loaded->LoadFromBytes(bytes, "Notes.xml");
    bytes.assign(bytes.size(), 'x'); // the table read a copy
    TTable copy = *loaded;
    loaded->LoadFromBytes(table.SaveToBytes(TTableVariant::SingleByte), "Notes.xml");
    loaded.reset();
    ExpectNotes(copy, 300);
    AddNote(copy, NoteText(300));
    ExpectNotes(copy, 301);
}

TEST(TableText, ValuesCopiedBetweenTablesAreTheirOwn) {
    TTable source = Notes();
    AddNote(source, "из другой таблицы");
    TTable target = Notes();
    source.First();
    target.Append();
    target.FieldByName("Text").SetValue(source.Row(0)[1]);
    target.Post();
    source.Close();
    target.First();
    EXPECT_EQ(target.FieldByName("Text").AsString(), "из другой таблицы");
}

TEST(TableText, Utf8TextsWithRunsOfEveryLengthBetweenLetters) {
    TTable table = Notes();
    for (int run = 0; run < 40; ++run) {
        // Letters with plain runs between them, before and after a long plain stretch.
        AddNote(table, "Ж" + std::string(run, 'a') + "ё" + std::string(run, '1') + "Я" +
                           std::string(100, ' ') + std::string(run, 'z') + "щ");
    }
    TTable back;
    back.LoadFromBytes(table.SaveToBytes(TTableVariant::Utf8), "Notes.xml");
    ASSERT_EQ(back.RecordCount(), 40u);
    for (std::size_t r = 0; r < 40; ++r) {
        EXPECT_EQ(back.Row(r)[1], table.Row(r)[1]) << r;
        EXPECT_EQ(back.Row(r)[2], table.Row(r)[2]) << r;
    }
    EXPECT_EQ(back.AutoIncValue(), 41);
    ASSERT_TRUE(back.Locate(40));
    EXPECT_EQ(back.RecNo(), 39u);
}

TEST(TableText, RowsOfChangingSizeAreAllRead) {
    // Room for the rows is estimated from the first ones: files whose later
    // rows are far longer, far shorter or empty read all the same.
    for (const auto& [first, later] :
         {std::pair<std::size_t, std::size_t>{1, 3000}, {3000, 1}, {0, 0}}) {
        TTable table = Notes();
        for (int i = 0; i < 500; ++i) {
            const std::size_t length = i < 100 ? first : later;
            if (length == 0) {
                table.Append();
                table.Post();
            } else {
                AddNote(table, std::string(length, static_cast<char>('a' + i % 26)));
            }
        }
        const std::string bytes = table.SaveToBytes(TTableVariant::SingleByte);
        TTable back;
        back.LoadFromBytes(bytes, "Notes.xml");
        ASSERT_EQ(back.RecordCount(), 500u);
        EXPECT_EQ(back.SaveToBytes(TTableVariant::SingleByte), bytes);
        ASSERT_TRUE(back.Locate(500));
        EXPECT_EQ(back.Row(499)[1], table.Row(499)[1]);
    }
}
