// Files the reader refuses get a message naming the file, the line and the
// problem; a few defects are read tolerantly.
#include "store/StoreError.h"
#include "store/Table.h"
#include "store/TableFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Packet(std::string_view fields, std::string_view params, std::string_view rows,
                   std::string_view declaration = "<?xml version=\"1.0\" standalone=\"yes\"?>") {
    return std::string(declaration) + "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>" +
           std::string(fields) + "</FIELDS><PARAMS" + std::string(params) +
           "/></METADATA><ROWDATA>" + std::string(rows) + "</ROWDATA></DATAPACKET>";
}

const char kIdName[] = "<FIELD attrname=\"ID\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
                       "<FIELD attrname=\"Name\" fieldtype=\"string\" WIDTH=\"10\"/>";

// The message of the load, which must fail and leave the table closed.
std::string LoadError(std::string_view bytes) {
    TTable table;
    try {
        table.LoadFromBytes(std::string(bytes), "Firms.xml");
    } catch (const EStoreError& e) {
        EXPECT_FALSE(table.Active());
        EXPECT_TRUE(table.FieldDefs().empty());
        return e.what();
    }
    ADD_FAILURE() << "loaded: " << bytes;
    return {};
}

} // namespace

TEST(TableReaderErrors, BrokenFilesAreRefusedWithFileLineAndReason) {
    const struct {
        std::string Bytes;
        const char* Reason;
    } cases[] = {
        {"", "the file is empty"},
        {"<?xml version=\"1.0\"?>\n\n", "the file is empty"},
        {"<html/>", "not a data packet"},
        {"<DATAPACKET><METADATA></METADATA></DATAPACKET>", "no field definitions"},
        {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"A\"/></FIELDS>", "no fieldtype"},
        {"<DATAPACKET><METADATA><FIELDS><FIELD fieldtype=\"i4\"/>", "without attrname"},
        {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"A\" fieldtype=\"money\"/>",
         "unknown fieldtype \"money\""},
        {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"A\" fieldtype=\"nested\"/>",
         "nested table"},
        {"<DATAPACKET><METADATA><FIELDS>\n<FIELD attrname=\"A\" fieldtype=\"i4\"", "unterminated"},
        {"<DATAPACKET><METADATA><FIELDS></FIELDS></METADATA>", "missing end tag"},
        {"<DATAPACKET><METADATA><FIELDS></FIELDS></METADATA></DATAPACKET><X/>", "after the end"},
        {"<!DOCTYPE x [<!ENTITY a \"b\">]><DATAPACKET/>", "document type"},
        {"<DATAPACKET>text</DATAPACKET>", "text outside the tags"},
        {"<DATAPACKET attr=x/>", "without quotes"},
        {Packet(kIdName, "", "<ROW ID=\"1\" Name=\"a<b\"/>"), "inside an attribute value"},
        {Packet(kIdName, "", "<ROW ID=\"1\" Name=\"&nbsp;\"/>"), "unknown reference"},
        {Packet(kIdName, "", "<ROW ID=\"1\" Name=\"&#0;\"/>"), "unknown reference"},
        {Packet(kIdName, "", "<ROW ID=\"1\" Name=\"a & b\"/>"), "starts no reference"},
        {Packet(kIdName, "", "<ROW ID=\"x1\"/>"), "\"x1\" of the field \"ID\" is no i4 value"},
        {Packet(kIdName, "", "<ROW ID=\"2147483648\"/>"), "is no i4 value"},
        {Packet(kIdName, "", "<ROW ID=\"1\" Nmae=\"a\"/>"), "\"Nmae\" names no field"},
        {Packet(kIdName, "", "<ROW ID=\"1\"/><ROW ID=\"1\"/>"), "ID 1 is used by two rows"},
        {Packet(kIdName, "", "<ROW ID=\"2\"/><ROW ID=\"1\"/><ROW ID=\"2\"/>"),
         "ID 2 is used by two rows"},
        {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"A", "unterminated attribute value"},
        {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"A&lt", "starts no reference"},
        {Packet(kIdName, "", "<ROW ID=\"-1\" Name=\"1\"/><ROW ID=\"99999999999999999999\"/>"),
         "is no i4 value"},
        {Packet(kIdName, " AUTOINCVALUE=\"x\"", ""), "AUTOINCVALUE that is no integer"},
        {Packet(kIdName, "", "<ROW ID=\"1\" RowState=\"4\"/>"), "unmerged changes"},
        {Packet(kIdName, " CHANGE_LOG=\"1 0 4\"", "<ROW ID=\"1\"/>"), "unmerged changes"},
        {Packet(kIdName, "", "<ROW ID=\"1\"><ROW/></ROW>"), "nested rows"},
        {Packet(std::string(kIdName) + "<FIELD attrname=\"name\" fieldtype=\"i4\"/>", "", ""),
         "defined twice"},
        {Packet("<FIELD attrname=\"D\" fieldtype=\"dateTime\"/>", "", "<ROW D=\"20241301\"/>"),
         "is no dateTime value"},
        {Packet("<FIELD attrname=\"D\" fieldtype=\"r8\"/>", "", "<ROW D=\"inf\"/>"),
         "is no r8 value"},
        {Packet(kIdName, "", "<ROW ID=\"1\" Name=\"\xC0\xE1\"/>",
                "<?xml version=\"1.0\" encoding=\"utf-8\"?>"),
         "invalid UTF-8"},
    };
    for (const auto& c : cases) {
        const std::string message = LoadError(c.Bytes);
        EXPECT_NE(message.find("Error in table file \"Firms.xml\", line "), std::string::npos)
            << message;
        EXPECT_NE(message.find(c.Reason), std::string::npos) << message;
    }
    EXPECT_NE(LoadError("<DATAPACKET>\n<METADATA>\n<FIELDS>\n<FIELD/>").find("line 4:"),
              std::string::npos);
    std::string many;
    for (int i = 0; i < 1025; ++i) {
        many += "<FIELD attrname=\"F" + std::string(1 + i / 26, static_cast<char>('a' + i % 26)) +
                "\" fieldtype=\"i4\"/>";
    }
    EXPECT_NE(LoadError(Packet(many, "", "")).find("more than 1024 fields"), std::string::npos);
}

TEST(TableReaderErrors, LowOrMissingAutoIncValueIsRaisedAboveEveryId) {
    for (const char* params : {" AUTOINCVALUE=\"2\"", ""}) {
        TTable table;
        table.LoadFromBytes(Packet(kIdName, params, "<ROW ID=\"7\"/><ROW ID=\"3\"/>"), "x");
        EXPECT_EQ(table.AutoIncValue(), 8);
        table.Append();
        table.Post();
        EXPECT_EQ(table.FieldByName("ID").AsInteger(), 8);
    }
    TTable gap;
    gap.LoadFromBytes(Packet(kIdName, " AUTOINCVALUE=\"20\"", "<ROW ID=\"7\"/>"), "x");
    EXPECT_EQ(gap.AutoIncValue(), 20);
}

TEST(TableReaderErrors, PlainRowStateAndLongTextsAreKept) {
    TTable table;
    table.LoadFromBytes(
        Packet(kIdName, "", "<ROW RowState=\"0\" ID=\"1\" Name=\"longer than ten\"/>"), "x");
    table.First();
    EXPECT_EQ(table.FieldByName("Name").AsString(), "longer than ten");
}

TEST(TableReaderErrors, MissingDirectoryAndHugeFilesCannotBeOpened) {
    testing_support::TempDir dir;
    TTable table;
    try {
        table.LoadFromFile(dir / "Firms.xml");
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"Firms.xml\". ", 0), 0u)
            << e.what();
    }
    std::filesystem::create_directory(dir / "Banks.xml");
    EXPECT_THROW(table.LoadFromFile(dir / "Banks.xml"), EFileError);
    {
        testing_support::WriteFile(dir / "Huge.xml", "<DATAPACKET");
        std::filesystem::resize_file(dir / "Huge.xml", kMaxTableFileSize + 1);
    }
    try {
        table.LoadFromFile(dir / "Huge.xml");
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("larger than"), std::string::npos) << e.what();
    }
}
