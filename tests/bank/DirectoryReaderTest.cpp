// Reading the directory of banks: the excerpt kept with the tests as XML
// and as ZIP, the Bank of Russia's full file where it is at hand, and files
// that are not a directory.
#include "bank/DirectoryReader.h"
#include "bank/BankChecks.h"
#include "bank/ZipMember.h"
#include "support/TestSupport.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/ZipWriter.h"

#include <gtest/gtest.h>

using testing_support::ReadFile;
using testing_support::SourceDir;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

std::filesystem::path Excerpt(const char* name) {
    return SourceDir() / "tests" / "bank" / "data" / name;
}

// The reason a read of the bytes is refused with, or "read" when it is not.
std::string RefusalOf(std::string_view bytes) {
    try {
        ReadDirectoryBytes(bytes);
        return "read";
    } catch (const EParseError& error) {
        return error.what();
    }
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

const std::filesystem::path kFullDirectory =
    std::filesystem::path(VED_BANK_DIRECTORY_DIR) / "20190117ED01OSBR.zip";

} // namespace

TEST(DirectoryReader, ReadsTheEntriesOfTheExcerpt) {
    const TBankDirectory directory = ReadDirectoryFile(Excerpt("excerpt.xml"));
    EXPECT_EQ(directory.Date(), "2019-01-17"); // the business day, not the message's date
    ASSERT_EQ(directory.Size(), 5u);
    EXPECT_EQ(directory.Banks().front().BIK, "044525164"); // ordered by BIK

    const TDirectoryBank* sber = directory.Find("044525225");
    ASSERT_NE(sber, nullptr);
    EXPECT_EQ(*sber, (TDirectoryBank{"044525225", "ПАО СБЕРБАНК", "г.", "Москва",
                                     "30101810400000000225", false, false}));
    EXPECT_EQ(PlaceText(*sber), "г. Москва");
    EXPECT_EQ(BankStateText(*sber), "");

    const TDirectoryBank* revoked = directory.Find("045354870");
    ASSERT_NE(revoked, nullptr);
    EXPECT_EQ(revoked->Name, "ФИЛИАЛ \"ОРЕНБУРГСКИЙ\" ООО КБ \"АГРОСОЮЗ\"");
    EXPECT_TRUE(revoked->Revoked);
    EXPECT_FALSE(revoked->Deleted);
    EXPECT_EQ(BankStateText(*revoked), "отозвана лицензия");

    const TDirectoryBank* deleted = directory.Find("044525164");
    ASSERT_NE(deleted, nullptr);
    EXPECT_TRUE(deleted->Deleted);
    EXPECT_EQ(deleted->CorrAccount, "");
    EXPECT_EQ(BankStateText(*deleted), "удалён из справочника БИК");

    // References of every kind; the closed correspondent account and the
    // Bank of Russia's own accounts are passed over.
    const TDirectoryBank* tinkoff = directory.Find("044525974");
    ASSERT_NE(tinkoff, nullptr);
    EXPECT_EQ(tinkoff->Name, "АО 'ТИНЬКОФФ БАНК' ЁЖ");
    EXPECT_EQ(tinkoff->CorrAccount, "30101810145250000974");

    EXPECT_EQ(directory.Find("044525000"), nullptr);
    EXPECT_EQ(directory.Find(""), nullptr);
}

TEST(DirectoryReader, TheZipAsDownloadedGivesTheSameAsItsXml) {
    const TBankDirectory fromZip = ReadDirectoryFile(Excerpt("excerpt.zip"));
    const TBankDirectory fromXml = ReadDirectoryFile(Excerpt("excerpt.xml"));
    EXPECT_EQ(fromZip.Date(), fromXml.Date());
    EXPECT_EQ(fromZip.Banks(), fromXml.Banks());
}

TEST(DirectoryReader, ADocumentInUtf8IsReadToo) {
    const std::string xml = Replaced(Cp1251ToUtf8(ReadFile(Excerpt("excerpt.xml"))),
                                     "encoding=\"Windows-1251\"", "encoding=\"UTF-8\"");
    EXPECT_EQ(ReadDirectoryBytes(xml).Banks(), ReadDirectoryFile(Excerpt("excerpt.xml")).Banks());
}

TEST(DirectoryReader, TheFullDirectoryAndEveryCorrespondentAccountInIt) {
    if (!std::filesystem::exists(kFullDirectory)) {
        GTEST_SKIP() << "the Bank of Russia's directory is not at " << kFullDirectory;
    }
    const TBankDirectory directory = ReadDirectoryFile(kFullDirectory);
    EXPECT_EQ(directory.Size(), 2496u);
    EXPECT_EQ(DirectoryDateText(directory.Date()), "17.01.2019");
    EXPECT_EQ(BankCountText(directory.Size()), "2496 банков");
    std::size_t accounts = 0;
    for (const TDirectoryBank& bank : directory.Banks()) {
        if (!bank.CorrAccount.empty()) {
            ++accounts;
            EXPECT_EQ(CheckAccount(bank.CorrAccount, bank.BIK), TDetailCheck::Passed)
                << bank.BIK << " " << bank.CorrAccount;
        }
    }
    EXPECT_EQ(accounts, 1569u);
    ASSERT_NE(directory.Find("044525225"), nullptr);
    EXPECT_EQ(directory.Find("044525225")->Name, "ПАО СБЕРБАНК");
}

TEST(DirectoryReader, FilesThatAreNotADirectoryAreRefusedWithTheReason) {
    const std::string xml = ReadFile(Excerpt("excerpt.xml"));
    const std::string zip = ReadFile(Excerpt("excerpt.zip"));
    EXPECT_EQ(RefusalOf("<?xml version=\"1.0\"?><Workbook/>"),
              "это не электронное сообщение ED807");
    EXPECT_EQ(RefusalOf(""), "XML поврежден или обрезан (ошибка в позиции 0)");
    EXPECT_EQ(RefusalOf(xml.substr(0, xml.size() / 2)).rfind("XML поврежден или обрезан", 0), 0u);
    EXPECT_EQ(RefusalOf(zip.substr(0, zip.size() / 2)),
              "архив ZIP обрезан или поврежден: нет его оглавления");
    EXPECT_EQ(RefusalOf(Replaced(xml, "BIC=\"044525225\"", "BIC=\"04452522Б\"")),
              "неверный БИК \"04452522Б\"");
    EXPECT_EQ(RefusalOf(Replaced(xml, "BIC=\"044525225\"", "BIC=\"\"")), "неверный БИК \"\"");
    EXPECT_EQ(RefusalOf(Replaced(xml, "NameP=\"ПАО СБЕРБАНК\"",
                                 "NameP=\"" + std::string(2 << 20, 'A') + "\"")),
              "слишком длинное значение NameP у БИК 044525225");
    EXPECT_EQ(RefusalOf(Replaced(xml, "\"FIRR\"", "\"SIRR\"")),
              "это не полный справочник (InfoTypeCode \"SIRR\")");
    EXPECT_EQ(RefusalOf(Replaced(xml, "BusinessDay=\"2019-01-17\"", "BusinessDay=\"17.01.2019\"")),
              "неверная дата справочника \"17.01.2019\"");
    EXPECT_EQ(RefusalOf(Replaced(xml, "Windows-1251", "KOI8-R")),
              "неизвестная кодировка \"koi8-r\"");
    EXPECT_EQ(RefusalOf("<ED807 BusinessDay=\"2019-01-17\"/>"),
              "в справочнике нет ни одного банка");
    EXPECT_EQ(RefusalOf(Replaced(xml, "30101810400000000225", "3010181040000000022")),
              "неверный корреспондентский счет у БИК 044525225");
}

TEST(DirectoryReader, ArchivesThatHoldNoSoundXmlAreRefused) {
    TempDir dir;
    WriteFile(dir / "readme.txt", "text");
    WriteStoredZip({dir / "readme.txt"}, dir / "plain.zip");
    EXPECT_EQ(RefusalOf(ReadFile(dir / "plain.zip")), "в архиве нет файла XML");

    // Stored, not deflated: read as it is.
    std::filesystem::copy_file(Excerpt("excerpt.xml"), dir / "directory.xml");
    WriteStoredZip({dir / "directory.xml"}, dir / "stored.zip");
    EXPECT_EQ(ReadDirectoryBytes(ReadFile(dir / "stored.zip")).Size(), 5u);

    std::string damaged = ReadFile(dir / "stored.zip");
    damaged[damaged.find("ПАО СБЕРБАНК")] = 'X';
    EXPECT_EQ(RefusalOf(damaged), "архив ZIP поврежден: не сходится контрольная сумма");

    // The deflated member inflates to 2433 bytes: a limit below refuses it unread.
    const std::string zip = ReadFile(Excerpt("excerpt.zip"));
    EXPECT_EQ(ExtractXmlMember(zip, 2433).size(), 2433u);
    try {
        ExtractXmlMember(zip, 2432);
        ADD_FAILURE() << "inflated past the limit";
    } catch (const EParseError& error) {
        EXPECT_STREQ(error.what(), "файл в архиве слишком велик");
    }
    // A member that inflates past the size its archive declares is refused.
    std::string understated = zip;
    const std::size_t central = understated.rfind(std::string_view("PK\x01\x02", 4));
    ASSERT_NE(central, std::string::npos);
    understated[central + 24] = '\x10'; // 2433 = 0x0981 declared as 0x0910
    EXPECT_EQ(RefusalOf(understated), "архив ZIP поврежден: данные не распаковываются");

    std::string flipped = zip;
    flipped[flipped.find("20190117_ED807_full.xml") + 30] ^= 0x55; // into the deflated data
    EXPECT_NE(RefusalOf(flipped).find("архив ZIP поврежден"), std::string::npos);
}

TEST(DirectoryReader, TheErrorOfAFileNamesIt) {
    TempDir dir;
    WriteFile(dir / "20190117ED01OSBR.zip", "PK\x03\x04 and nothing more than that");
    try {
        ReadDirectoryFile(dir / "20190117ED01OSBR.zip");
        ADD_FAILURE() << "read";
    } catch (const EParseError& error) {
        EXPECT_STREQ(error.what(), "Файл \"20190117ED01OSBR.zip\" не является справочником БИК: "
                                   "архив ZIP обрезан или поврежден: нет его оглавления");
    }
}

TEST(DirectoryTexts, CountDateAndState) {
    EXPECT_EQ(BankCountText(1), "1 банк");
    EXPECT_EQ(BankCountText(3), "3 банка");
    EXPECT_EQ(BankCountText(11), "11 банков");
    EXPECT_EQ(BankCountText(21), "21 банк");
    EXPECT_EQ(BankCountText(112), "112 банков");
    TDirectoryBank one;
    one.BIK = "044525225";
    TDirectoryBank other;
    other.BIK = "044525974";
    EXPECT_EQ(DirectoryReadText(TBankDirectory("2019-01-17", {one, other})),
              "Прочитан справочник БИК на 17.01.2019: 2 банка.");
    // Deleted outweighs revoked.
    EXPECT_EQ(BankStateText({"044525164", "", "", "", "", true, true}),
              "удалён из справочника БИК");
    other.Place = "Москва";
    EXPECT_EQ(PlaceText(other), "Москва");
}
