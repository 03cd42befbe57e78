// Start-up, upgrade, defaults and saves of the store, on real files in a
// temporary working directory and program directory.
#include "store/Store.h"
#include "store/StoreError.h"
#include "support/TestSupport.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

const char kUtf8Declaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  ";

struct TDirs {
    TempDir Work;
    TempDir Program;
};

std::string Packet(std::string_view fields, std::string_view params, std::string_view rows) {
    return std::string(kUtf8Declaration) + "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>" +
           std::string(fields) + "</FIELDS><PARAMS" + std::string(params) +
           "/></METADATA><ROWDATA>" + std::string(rows) + "</ROWDATA></DATAPACKET>";
}

const char kOldDocumentFields[] =
    "<FIELD attrname=\"ID\" fieldtype=\"i4\" readonly=\"true\" SUBTYPE=\"Autoinc\"/>"
    "<FIELD attrname=\"Datetime\" fieldtype=\"dateTime\"/>"
    "<FIELD attrname=\"BagNumber\" fieldtype=\"string\" WIDTH=\"50\"/>"
    "<FIELD attrname=\"FromFirm\" fieldtype=\"i4\"/><FIELD attrname=\"ToFirm\" fieldtype=\"i4\"/>"
    "<FIELD attrname=\"FromBank\" fieldtype=\"i4\"/><FIELD attrname=\"ToBank\" fieldtype=\"i4\"/>"
    "<FIELD attrname=\"Cash\" fieldtype=\"string\" WIDTH=\"500\"/>"
    "<FIELD attrname=\"CashSum\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>";

} // namespace

TEST(Store, FirstStartInAnEmptyFolderCreatesTheFourTables) {
    TDirs dirs;
    TStore store(dirs.Work.path(), dirs.Program.path());
    EXPECT_TRUE(store.Open().empty());
    for (const char* name : {"Config.xml", "Firms.xml", "Banks.xml", "Documents.xml"}) {
        EXPECT_EQ(ReadFile(dirs.Work / name).rfind(kUtf8Declaration, 0), 0u) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dirs.Work / "migrate.xml"));
    EXPECT_EQ(ReadFile(dirs.Work / "Config.xml"),
              Packet("<FIELD attrname=\"DefaultFirm\" fieldtype=\"i4\"/>"
                     "<FIELD attrname=\"DefaultBank\" fieldtype=\"i4\"/>",
                     "", ""));
    EXPECT_EQ(store.DefaultID(TStore::kFirmSlot), 0);
    EXPECT_EQ(store.Documents().FieldIndex("field39"), 9);

    // A second start reads what the first wrote and writes nothing.
    const auto before = std::filesystem::last_write_time(dirs.Work / "Documents.xml");
    TStore again(dirs.Work.path(), dirs.Program.path());
    EXPECT_TRUE(again.Open().empty());
    EXPECT_EQ(std::filesystem::last_write_time(dirs.Work / "Documents.xml"), before);
}

TEST(Store, OldStatementsFileIsUpgradedAndRenumbered) {
    TDirs dirs;
    WriteFile(dirs.Work / "Documents.xml",
              Packet(kOldDocumentFields, " AUTOINCVALUE=\"12\"",
                     "<ROW ID=\"7\" Datetime=\"20240305T09:30:00000\" BagNumber=\"" +
                         Cp1251ToUtf8("Сумка 1") +
                         "\" FromFirm=\"1\" ToFirm=\"2\" FromBank=\"1\" ToBank=\"2\" "
                         "Cash=\"&lt;5000&gt;1\" CashSum=\"5000\"/>"
                         "<ROW ID=\"11\" Datetime=\"20240306\" BagNumber=\"2\"/>"));
    TStore store(dirs.Work.path(), dirs.Program.path());
    EXPECT_TRUE(store.Open().empty());

    const std::string expected =
        std::string("<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\">"
                    "<METADATA><FIELDS>"
                    "<FIELD attrname=\"ID\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
                    "<FIELD attrname=\"Datetime\" fieldtype=\"dateTime\"/>"
                    "<FIELD attrname=\"BagNumber\" fieldtype=\"string\" WIDTH=\"50\"/>"
                    "<FIELD attrname=\"FromFirm\" fieldtype=\"i4\"/>"
                    "<FIELD attrname=\"ToFirm\" fieldtype=\"i4\"/>"
                    "<FIELD attrname=\"FromBank\" fieldtype=\"i4\"/>"
                    "<FIELD attrname=\"ToBank\" fieldtype=\"i4\"/>"
                    "<FIELD attrname=\"Cash\" fieldtype=\"string\" WIDTH=\"500\"/>"
                    "<FIELD attrname=\"CashSum\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>"
                    "<FIELD attrname=\"FIELD39\" fieldtype=\"string\" WIDTH=\"200\"/>"
                    "</FIELDS><PARAMS AUTOINCVALUE=\"3\"/></METADATA><ROWDATA>"
                    "<ROW ID=\"1\" Datetime=\"20240305T09:30:00000\" BagNumber=\"Сумка 1\" "
                    "FromFirm=\"1\" ToFirm=\"2\" FromBank=\"1\" ToBank=\"2\" "
                    "Cash=\"&lt;5000&gt;1\" CashSum=\"5000\"/>"
                    "<ROW ID=\"2\" Datetime=\"20240306\" BagNumber=\"2\"/>"
                    "</ROWDATA></DATAPACKET>");
    EXPECT_EQ(ReadFile(dirs.Work / "Documents.xml"), expected);
    EXPECT_TRUE(std::filesystem::exists(dirs.Work / "migrate.xml"));

    TTable& documents = store.Documents();
    ASSERT_TRUE(documents.Locate(2));
    EXPECT_EQ(documents.FieldByName("BagNumber").AsString(), "2");
    documents.Append();
    documents.FieldByName("FIELD39").SetString("Текст");
    documents.Post();
    EXPECT_EQ(documents.FieldByName("ID").AsInteger(), 3);
    store.SaveDocuments();
    const std::string saved = ReadFile(dirs.Work / "Documents.xml");
    EXPECT_EQ(saved.rfind(kUtf8Declaration, 0), 0u);
    EXPECT_NE(saved.find("<ROW ID=\"3\" FIELD39=\"" + Cp1251ToUtf8("Текст") + "\"/>"),
              std::string::npos);
}

TEST(Store, CorruptTableIsNeverOverwritten) {
    TDirs dirs;
    const std::string corrupt = "<?xml version=\"1.0\"?><DATAPACKET><METADATA><FIELDS>";
    WriteFile(dirs.Work / "Firms.xml", corrupt);
    TStore store(dirs.Work.path(), dirs.Program.path());
    const auto errors = store.Open();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Firms.xml"), std::string::npos) << errors[0];
    EXPECT_TRUE(store.Failure(TStoreTable::Firms));
    EXPECT_FALSE(store.Failure(TStoreTable::Banks)); // the other tables load all the same

    // The user tries to add a firm: every use names the file and the reason.
    try {
        TTable& firms = store.Firms();
        firms.Append();
        FAIL();
    } catch (const EStoreError& e) {
        EXPECT_NE(std::string(e.what()).find("\"Firms.xml\" could not be loaded: Error in table "
                                             "file \"Firms.xml\", line 1"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_THROW(store.SaveFirms(), EStoreError);
    EXPECT_EQ(ReadFile(dirs.Work / "Firms.xml"), corrupt);
}

TEST(Store, DefaultsComeFromTheFirstConfigRowAndCreateItWhenSet) {
    TDirs dirs;
    TStore store(dirs.Work.path(), dirs.Program.path());
    store.Open();
    EXPECT_EQ(store.Config().RecordCount(), 0u);
    store.SetDefaultID(TStore::kBankSlot, 4);
    store.SaveConfig();
    store.SetDefaultID(TStore::kFirmSlot, 3);
    store.SaveConfig();
    EXPECT_EQ(store.Config().RecordCount(), 1u);
    EXPECT_NE(ReadFile(dirs.Work / "Config.xml").find("<ROW DefaultFirm=\"3\" DefaultBank=\"4\"/>"),
              std::string::npos);

    TStore again(dirs.Work.path(), dirs.Program.path());
    again.Open();
    EXPECT_EQ(again.DefaultID(TStore::kFirmSlot), 3);
    EXPECT_EQ(again.DefaultID(TStore::kBankSlot), 4);
}

TEST(Store, FixedFieldListsAreChecked) {
    TDirs dirs;
    WriteFile(dirs.Work / "Config.xml",
              Packet("<FIELD attrname=\"DefaultFirm\" fieldtype=\"i4\"/>", "", ""));
    WriteFile(dirs.Work / "Banks.xml",
              Packet("<FIELD attrname=\"ID\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
                     "<FIELD attrname=\"Deleted\" fieldtype=\"string\" WIDTH=\"1\"/>"
                     "<FIELD attrname=\"Name\" fieldtype=\"string\" WIDTH=\"80\"/>"
                     "<FIELD attrname=\"BIK\" fieldtype=\"string\" WIDTH=\"40\"/>"
                     "<FIELD attrname=\"DebitAccount\" fieldtype=\"string\" WIDTH=\"40\"/>",
                     " AUTOINCVALUE=\"1\"", ""));
    TStore store(dirs.Work.path(), dirs.Program.path());
    const auto errors = store.Open();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "The table file \"Config.xml\" could not be loaded: "
                         "Field 'DefaultBank' not found");
    EXPECT_EQ(errors[1], "The table file \"Banks.xml\" could not be loaded: "
                         "Type mismatch for field 'Deleted', expecting: i4 actual: string");
}

TEST(Store, EarnSourcesLiveInTheProgramDirectory) {
    TDirs dirs;
    WriteFile(dirs.Program / "Data.txt", "Источники {\n  1 {\n    Наименование='Выручка'\n"
                                         "    Символ='02'\n  }\n}\n");
    TStore store(dirs.Work.path(), dirs.Program.path());
    store.Open();
    EXPECT_EQ(store.EarnSources().SectionCount(), 1);
    store.EarnSources().AddSection("Другое");
    store.SaveEarnSources();
    EXPECT_NE(ReadFile(dirs.Program / "Data.txt").find("Другое"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dirs.Work / "Data.txt"));
    EXPECT_FALSE(std::filesystem::exists(dirs.Program / "Data.txt.bak"));
}

TEST(Store, UnreadableEarnSourcesAreKeptAsideBeforeTheyAreReplaced) {
    TDirs dirs;
    const std::string broken = "Источники {\n  1 {\n  }\n}\n}\n";
    WriteFile(dirs.Program / "Data.txt", broken);
    TStore store(dirs.Work.path(), dirs.Program.path());
    EXPECT_TRUE(store.Open().empty()); // silent at start-up
    store.SaveEarnSources();
    EXPECT_EQ(ReadFile(dirs.Program / "Data.txt.bak"), broken);
    EXPECT_NE(ReadFile(dirs.Program / "Data.txt"), broken);
}

TEST(Store, AFailedSaveKeepsTheChangeForTheNextOne) {
    TDirs dirs;
    TStore store(dirs.Work.path(), dirs.Program.path());
    store.Open();
    const std::string before = ReadFile(dirs.Work / "Banks.xml");
    store.Banks().Append();
    store.Banks().FieldByName("Name").SetString("Новый");
    store.Banks().Post();
    // A directory in the way of the file stops the rename, even for root.
    std::filesystem::remove(dirs.Work / "Banks.xml");
    std::filesystem::create_directory(dirs.Work / "Banks.xml");
    try {
        store.SaveBanks();
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_STREQ(e.what(), "Cannot create file \"Banks.xml\". Is a directory");
    }
    std::filesystem::remove(dirs.Work / "Banks.xml");
    store.SaveBanks();
    EXPECT_NE(ReadFile(dirs.Work / "Banks.xml").find(Cp1251ToUtf8("Новый")), std::string::npos);
    EXPECT_NE(ReadFile(dirs.Work / "Banks.xml"), before);
}

TEST(Store, AReadOnlyTableFileIsLeftAsItIsAndTheChangeWaitsInMemory) {
    TDirs dirs;
    TStore store(dirs.Work.path(), dirs.Program.path());
    store.Open();
    const auto file = dirs.Work / "Firms.xml";
    const std::string before = ReadFile(file);
    std::filesystem::permissions(file, std::filesystem::perms(0444));
    store.Firms().Append();
    store.Firms().FieldByName("Name").SetString("Новая");
    store.Firms().Post();
    try {
        store.SaveFirms();
        FAIL() << "a read-only file was replaced";
    } catch (const EFileError& e) {
        EXPECT_STREQ(e.what(), "Cannot create file \"Firms.xml\". Permission denied");
    }
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0444));
    std::filesystem::permissions(file, std::filesystem::perms(0644));
    store.SaveFirms();
    EXPECT_NE(ReadFile(file).find(Cp1251ToUtf8("Новая")), std::string::npos);
}

TEST(Store, AReadOnlyDataFileIsLeftAsItIs) {
    TDirs dirs;
    WriteFile(dirs.Program / "Data.txt", "");
    TStore store(dirs.Work.path(), dirs.Program.path());
    store.Open();
    store.EarnSources().AddSection("1").SetAttribute("Name", "Торговая выручка");
    std::filesystem::permissions(dirs.Program / "Data.txt", std::filesystem::perms(0444));
    try {
        store.SaveEarnSources();
        FAIL() << "a read-only file was replaced";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" +
                                             (dirs.Program / "Data.txt").string() +
                                             "\". Permission denied");
    }
    EXPECT_EQ(ReadFile(dirs.Program / "Data.txt"), "");
}

TEST(Store, WithoutDataFileTheTreeStartsEmptyAndTheFileIsWrittenAtTheEnd) {
    TDirs dirs;
    TStore store(dirs.Work.path(), dirs.Program.path());
    store.Open();
    EXPECT_EQ(store.EarnSources().SectionCount(), 0);
    store.SaveEarnSources();
    EXPECT_TRUE(std::filesystem::exists(dirs.Program / "Data.txt"));
    EXPECT_FALSE(std::filesystem::exists(dirs.Program / "Data.txt.bak"));
}
