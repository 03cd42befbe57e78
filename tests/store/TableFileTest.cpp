// Exact bytes of both variants of a table file, and what the reader accepts.
#include "store/Schemas.h"
#include "store/StoreError.h"
#include "store/Table.h"
#include "support/TestSupport.h"
#include "text/Cp1251.h"
#include "text/DateTime.h"

#include <gtest/gtest.h>

using testing_support::W;

namespace {

TTable Banks() {
    TTable table;
    for (TFieldDef& def : BanksFieldDefs()) {
        table.AddFieldDef(std::move(def));
    }
    table.CreateDataSet();
    return table;
}

void AddBank(TTable& table, std::string_view name, std::string_view bik) {
    table.Append();
    table.FieldByName("Name").SetString(name);
    table.FieldByName("BIK").SetString(bik);
    table.Post();
}

TTable Read(std::string_view bytes) {
    TTable table;
    table.LoadFromBytes(std::string(bytes), "Test.xml");
    return table;
}

const char kBanksMetadata[] =
    "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
    "<FIELD attrname=\"ID\" fieldtype=\"i4\" readonly=\"true\" SUBTYPE=\"Autoinc\"/>"
    "<FIELD attrname=\"Deleted\" fieldtype=\"i4\"/>"
    "<FIELD attrname=\"Name\" fieldtype=\"string\" WIDTH=\"80\"/>"
    "<FIELD attrname=\"BIK\" fieldtype=\"string\" WIDTH=\"40\"/>"
    "<FIELD attrname=\"DebitAccount\" fieldtype=\"string\" WIDTH=\"40\"/>"
    "</FIELDS>";

} // namespace

TEST(TableFile, EmptyTableWritesNoRowsAndReadsBackUsable) {
    TTable table = Banks();
    const std::string bytes = table.SaveToBytes(TTableVariant::Utf8);
    EXPECT_EQ(bytes,
              std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  ") +
                  kBanksMetadata +
                  "<PARAMS AUTOINCVALUE=\"1\"/></METADATA><ROWDATA></ROWDATA></DATAPACKET>");
    TTable back = Read(bytes);
    EXPECT_EQ(back.RecordCount(), 0u);
    EXPECT_EQ(back.FieldDefs().size(), 5u);
    AddBank(back, "Bank", "1");
    EXPECT_EQ(back.FieldByName("ID").AsInteger(), 1);
}

TEST(TableFile, RowsInBothVariants) {
    TTable table = Banks();
    AddBank(table, "Сбербанк", "044525225");
    const std::string rows = "</METADATA><ROWDATA><ROW ID=\"1\" Name=\"" + std::string("%NAME%") +
                             "\" BIK=\"044525225\"/></ROWDATA></DATAPACKET>";
    auto expected = [&](std::string_view declaration, std::string_view name) {
        std::string text =
            std::string(declaration) + kBanksMetadata + "<PARAMS AUTOINCVALUE=\"2\"/>" + rows;
        text.replace(text.find("%NAME%"), 6, name);
        return text;
    };
    EXPECT_EQ(table.SaveToBytes(TTableVariant::SingleByte),
              expected("<?xml version=\"1.0\" standalone=\"yes\"?>  ", "Сбербанк"));
    EXPECT_EQ(table.SaveToBytes(TTableVariant::Utf8),
              expected("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  ",
                       Cp1251ToUtf8("Сбербанк")));
}

TEST(TableFile, SpecialCharactersAreEscapedAndSurviveBothVariants) {
    const std::string name = "ООО \"Рога & <Копыта>\" 'Юг'\r\n\t\\";
    for (TTableVariant variant : {TTableVariant::Utf8, TTableVariant::SingleByte}) {
        TTable table = Banks();
        AddBank(table, name, "1");
        const std::string bytes = table.SaveToBytes(variant);
        EXPECT_NE(bytes.find("&quot;"), std::string::npos);
        EXPECT_NE(bytes.find("&amp; &lt;"), std::string::npos);
        EXPECT_NE(bytes.find("&gt;&quot; &apos;"), std::string::npos);
        EXPECT_NE(bytes.find("&#013;&#010;&#009;&#092;\""), std::string::npos);
        TTable back = Read(bytes);
        back.First();
        EXPECT_EQ(back.FieldByName("name").AsString(), name);
    }
}

TEST(TableFile, DatesAtMidnightHaveNoTimePart) {
    TTable table;
    table.AddFieldDef(MakeFieldDef("Datetime", TFieldType::DateTime));
    table.CreateDataSet();
    const TDateTime midnight = *EncodeDateTime(2024, 3, 5);
    const TDateTime morning = *EncodeDateTime(2024, 3, 5, 9, 30, 7, 25);
    for (TDateTime value : {midnight, morning}) {
        table.Append();
        table.FieldByName("Datetime").SetDateTime(value);
        table.Post();
    }
    const std::string bytes = table.SaveToBytes(TTableVariant::Utf8);
    EXPECT_NE(bytes.find("<ROW Datetime=\"20240305\"/><ROW Datetime=\"20240305T09:30:07025\"/>"),
              std::string::npos);
    TTable back = Read(bytes);
    back.First();
    EXPECT_EQ(back.FieldByName("Datetime").AsDateTime(), midnight);
    back.Next();
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn:ss.zzz", back.FieldByName("Datetime").AsDateTime()),
              "05.03.2024 09:30:07.025");
}

TEST(TableFile, CurrencyIsWrittenShortestAndReadInEveryForm) {
    TTable table;
    table.AddFieldDef(MakeFieldDef("Sum", TFieldType::Currency));
    table.CreateDataSet();
    for (double value : {5301.0, 0.16, 0.1 + 0.2, -12345.6}) {
        table.Append();
        table.FieldByName("Sum").SetFloat(value);
        table.Post();
    }
    const std::string bytes = table.SaveToBytes(TTableVariant::Utf8);
    EXPECT_NE(bytes.find("<FIELD attrname=\"Sum\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>"),
              std::string::npos);
    EXPECT_NE(bytes.find("<ROW Sum=\"5301\"/><ROW Sum=\"0.16\"/><ROW Sum=\"0.3\"/>"
                         "<ROW Sum=\"-12345.6\"/>"),
              std::string::npos);

    const std::string forms =
        "<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
        "<FIELD attrname=\"Sum\" fieldtype=\"r8\"/></FIELDS><PARAMS/>"
        "</METADATA><ROWDATA><ROW Sum=\"5301.\"/><ROW Sum=\"5.301E3\"/>"
        "<ROW Sum=\"+5301.00\"/><ROW Sum=\"530100e-2\"/></ROWDATA></DATAPACKET>";
    TTable back = Read(forms);
    for (back.First(); !back.Eof(); back.Next()) {
        EXPECT_EQ(back.FieldByName("Sum").AsFloat(), 5301.0);
    }
}

TEST(TableFile, ReaderTakesWhatOtherWritersProduce) {
    // Byte order mark, blanks and line breaks, comments, attributes in another
    // order and single quotes, character references, an unknown element and
    // a field name that is no XML name.
    const std::string bytes = std::string("\xEF\xBB\xBF") +
                              "<?xml version='1.0' standalone='yes'?>\r\n"
                              "<!-- saved elsewhere -->\r\n<DATAPACKET Version='2.0'>\r\n"
                              " <METADATA>\n  <FIELDS>\n"
                              "   <FIELD fieldtype='string' WIDTH='20' attrname='Name' />\n"
                              "   <FIELD fieldname='Сумма (руб)' attrname='Сумма__руб_' "
                              "fieldtype='i2'/>\n"
                              "   <FIELD attrname='Flag' fieldtype='boolean'/>\n"
                              "  </FIELDS>\n  <PARAMS LCID='1049'/>\n  <EXTRA><X/></EXTRA>\n"
                              " </METADATA>\n <ROWDATA>\n"
                              "  <ROW Flag='TRUE' Сумма__руб_='-7' Name='&#1055;&#x440;и&#92;'/>\n"
                              "  <ROW Name=''/>\n"
                              " </ROWDATA>\n</DATAPACKET>\n";
    TTable table = Read(Cp1251ToUtf8(bytes.substr(3)).insert(0, "\xEF\xBB\xBF"));
    ASSERT_EQ(table.RecordCount(), 2u);
    table.First();
    EXPECT_EQ(table.FieldByName("NAME").AsString(), "При\\");
    EXPECT_EQ(table.FieldByName("сумма (РУБ)").AsInteger(), -7);
    EXPECT_EQ(table.FieldByName("Flag").AsInteger(), 1);
    table.Next();
    EXPECT_TRUE(table.FieldByName("Name").IsNull());
    EXPECT_EQ(table.Properties().size(), 1u);

    // Written back, the odd name keeps its fieldname and the property its place.
    const std::string written = table.SaveToBytes(TTableVariant::SingleByte);
    EXPECT_NE(written.find("<FIELD fieldname=\"Сумма (руб)\" attrname=\"Сумма__руб_\" "
                           "fieldtype=\"i2\"/>"),
              std::string::npos);
    EXPECT_NE(written.find("<PARAMS LCID=\"1049\"/>"), std::string::npos);
    EXPECT_NE(written.find("<ROW Name=\"При&#092;\" Сумма__руб_=\"-7\" Flag=\"TRUE\"/><ROW/>"),
              std::string::npos);
}

TEST(TableFile, SingleByteAndUtf8FilesWithCyrillicNamesReadTheSame) {
    TTable table;
    table.AddFieldDef(MakeFieldDef("Название", TFieldType::String, 30));
    table.CreateDataSet();
    table.Append();
    table.FieldByName("название").SetString("Ёлка");
    table.Post();
    for (TTableVariant variant : {TTableVariant::Utf8, TTableVariant::SingleByte}) {
        TTable back = Read(table.SaveToBytes(variant));
        back.First();
        EXPECT_EQ(back.FieldDefs()[0].Name, "Название");
        EXPECT_EQ(back.FieldByName("НАЗВАНИЕ").AsString(), "Ёлка");
    }
}

TEST(TableFile, EveryTypeNameRoundTrips) {
    const char* names[] = {"i1",   "i2",       "i4",          "i8",     "ui1",        "ui2",
                           "ui4",  "boolean",  "r8",          "fixed",  "fixedFMT",   "date",
                           "time", "dateTime", "SQLdateTime", "string", "string.uni", "bin.hex"};
    const char* values[] = {"-128",        "32767",
                            "-5",          "-9223372036854775808",
                            "255",         "65535",
                            "4294967295",  "FALSE",
                            "1.5",         "12.34",
                            "0.5",         "20240229",
                            "23:59:59999", "20240229T00:00:01000",
                            "19991231",    "text",
                            "uni",         "QUJD"};
    std::string fields, row;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const std::string attr = std::string("F") + static_cast<char>('a' + i);
        fields += "<FIELD attrname=\"" + attr + "\" fieldtype=\"" + names[i] + "\"/>";
        row += " " + attr + "=\"" + values[i] + "\"";
    }
    const std::string bytes =
        "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA>"
        "<FIELDS>" +
        fields + "</FIELDS><PARAMS/></METADATA><ROWDATA><ROW" + row + "/></ROWDATA></DATAPACKET>";
    EXPECT_EQ(Read(bytes).SaveToBytes(TTableVariant::SingleByte), bytes);
}

TEST(TableFile, ValuesReadAlikeWhateverTheirBytes) {
    // Cyrillic at every place of an eight-byte word of a UTF-8 file, escapes
    // beside it, and a NUL byte, which the reader keeps as it is.
    TTable table = Banks();
    std::vector<std::string> names;
    for (std::size_t ascii = 0; ascii < 18; ++ascii) {
        names.push_back(std::string(ascii, 'a') + "Ж<" + std::string(ascii % 5, 'b') + "&ё>\"");
    }
    names.push_back(std::string("a\0b", 3));
    for (const std::string& name : names) {
        AddBank(table, name, "1");
    }
    for (TTableVariant variant : {TTableVariant::Utf8, TTableVariant::SingleByte}) {
        TTable back = Read(table.SaveToBytes(variant));
        ASSERT_EQ(back.RecordCount(), names.size());
        back.First();
        for (const std::string& name : names) {
            EXPECT_EQ(back.FieldByName("Name").AsString(), name);
            back.Next();
        }
    }
}

TEST(TableFile, IntegersInEveryFormAndIdsInAnyOrder) {
    const std::string bytes =
        "<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
        "<FIELD attrname=\"ID\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
        "<FIELD attrname=\"N\" fieldtype=\"i8\"/></FIELDS><PARAMS/></METADATA><ROWDATA>"
        "<ROW ID=\"7\" N=\"+5\"/><ROW ID=\"3\" N=\"0042\"/><ROW ID=\"5\" N=\"-0\"/>"
        "<ROW ID=\"9\" N=\"999999999999999999\"/><ROW ID=\"1\" N=\"9223372036854775807\"/>"
        "</ROWDATA></DATAPACKET>";
    TTable table = Read(bytes);
    const std::pair<std::int64_t, std::int64_t> rows[] = {
        {7, 5}, {3, 42}, {5, 0}, {9, 999999999999999999}, {1, 9223372036854775807}};
    for (const auto& [id, n] : rows) {
        ASSERT_TRUE(table.Locate(id));
        EXPECT_EQ(table.FieldByName("N").AsInteger(), n);
    }
    EXPECT_FALSE(table.Locate(2));
    EXPECT_EQ(table.AutoIncValue(), 10);
}
