// The directory kept in the working folder: its file, read when first
// needed, replaced in one step, and a damaged one that is left unused.
#include "bank/KeptDirectory.h"
#include "bank/DirectoryReader.h"
#include "support/TestSupport.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

using testing_support::ReadFile;
using testing_support::SourceDir;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

TBankDirectory ExcerptDirectory() {
    return ReadDirectoryFile(SourceDir() / "tests" / "bank" / "data" / "excerpt.xml");
}

} // namespace

TEST(KeptDirectory, TheFileHoldsEveryFieldAndReadsBackTheSame) {
    const TBankDirectory directory = ExcerptDirectory();
    const std::string bytes = KeptDirectoryBytes(directory);
    EXPECT_EQ(bytes.substr(0, 26), "BIKDirectory 1\n2019-01-17\n");
    EXPECT_NE(bytes.find("044525164\tЛИКВИДАТОР СТАЛЬ БАНК (ООО) - ГК \"АСВ\"\tг.\tМосква\t\tD\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("045354870\tФИЛИАЛ \"ОРЕНБУРГСКИЙ\" ООО КБ \"АГРОСОЮЗ\"\tг.\tОренбург\t"
                         "30101810800000000870\tR\n"),
              std::string::npos);
    const TBankDirectory read = ReadKeptDirectory(bytes);
    EXPECT_EQ(read.Date(), directory.Date());
    EXPECT_EQ(read.Banks(), directory.Banks());
    // Line ends of another system are read the same.
    std::string crlf;
    for (const char c : bytes) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(ReadKeptDirectory(crlf).Banks(), directory.Banks());
}

TEST(KeptDirectory, IsReadAtTheFirstNeedNotBefore) {
    TempDir work;
    TKeptBankDirectory kept(work.path());
    EXPECT_EQ(kept.Path(), work / "BIKDirectory.txt");
    // Written after the object was made: still read, so nothing was read before.
    WriteFile(kept.Path(), KeptDirectoryBytes(ExcerptDirectory()));
    ASSERT_NE(kept.Find("044525225"), nullptr);
    EXPECT_EQ(kept.Find("044525225")->Name, "ПАО СБЕРБАНК");
    EXPECT_FALSE(kept.Failure());
}

TEST(KeptDirectory, NoFileIsAnEmptyDirectory) {
    TempDir work;
    TKeptBankDirectory kept(work.path());
    EXPECT_TRUE(kept.Directory().Empty());
    EXPECT_EQ(kept.Find("044525225"), nullptr);
    EXPECT_FALSE(kept.Failure());
}

TEST(KeptDirectory, ReplacingWritesTheFileAndTakesTheNewDirectoryAtOnce) {
    TempDir work;
    TKeptBankDirectory kept(work.path());
    EXPECT_TRUE(kept.Directory().Empty());
    kept.Replace(ExcerptDirectory());
    EXPECT_EQ(kept.Directory().Size(), 5u);
    EXPECT_EQ(ReadFile(kept.Path()), KeptDirectoryBytes(ExcerptDirectory()));
    EXPECT_EQ(TKeptBankDirectory(work.path()).Directory().Banks(), ExcerptDirectory().Banks());
}

TEST(KeptDirectory, AFailedWriteKeepsTheDirectoryItHad) {
    TempDir work;
    TKeptBankDirectory kept(work.path());
    kept.Replace(ExcerptDirectory());
    // A folder where the file is makes the write fail, even for root.
    std::filesystem::remove(kept.Path());
    std::filesystem::create_directory(kept.Path());
    EXPECT_THROW(kept.Replace(TBankDirectory("2020-01-01",
                                             {{"044525225", "Другой", "", "", "", false, false}})),
                 EFileError);
    EXPECT_EQ(kept.Directory().Size(), 5u);
    EXPECT_EQ(kept.Find("044525225")->Name, "ПАО СБЕРБАНК");
}

TEST(KeptDirectory, ADamagedFileIsLeftUnusedAndSaysWhy) {
    TempDir work;
    WriteFile(work / "BIKDirectory.txt", "BIKDirectory 1\n2019-01-17\n04452522\tx\t\t\t\t\n");
    TKeptBankDirectory kept(work.path());
    EXPECT_TRUE(kept.Directory().Empty());
    ASSERT_TRUE(kept.Failure());
    EXPECT_EQ(*kept.Failure(),
              "Справочник БИК \"BIKDirectory.txt\" не читается: неверная строка 3");
    for (const char* bytes : {"", "другой файл\n", "BIKDirectory 1\n2019\n"}) {
        EXPECT_THROW(ReadKeptDirectory(bytes), EParseError) << bytes;
    }
}
