#include "text/ZipWriter.h"
#include "support/TestSupport.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

#include <string>

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

// Bytes from hexadecimal digits; blanks only group the fields.
std::string Hex(std::string_view digits) {
    std::string bytes;
    std::string pair;
    for (const char c : digits) {
        if (c == ' ')
            continue;
        pair += c;
        if (pair.size() == 2) {
            bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
            pair.clear();
        }
    }
    return bytes;
}

} // namespace

TEST(Crc32Test, KnownValuesAndStartPosition) {
    EXPECT_EQ(Crc32("abc"), 0x352441C2u);
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32("xyabc", 3), 0x352441C2u);
    EXPECT_EQ(Crc32("abc", 3), Crc32("c"));
    EXPECT_EQ(Crc32("abc", 4), 0u);
    EXPECT_EQ(Crc32(""), 0u);
    EXPECT_EQ(Crc32(std::string("\0\0", 2)), 0x41D912FFu);
}

TEST(ZipWriterTest, EmptyListWritesOnlyTheEndRecord) {
    TempDir dir;
    WriteStoredZip({}, dir / "empty.zip");
    EXPECT_EQ(ReadFile(dir / "empty.zip"),
              Hex("504b0506 0000 0000 0000 0000 00000000 00000000 0000"));
}

TEST(ZipWriterTest, TwoMembersExactBytes) {
    TempDir dir;
    WriteFile(dir / "a.txt", "abc");
    WriteFile(dir / "b", "");
    WriteFile(dir / "old.zip", "previous contents, replaced");
    WriteStoredZip({dir / "a.txt", dir / "b"}, dir / "old.zip");
    const std::string expected = Hex(
        // local header of a.txt, name, contents
        "504b0304 0a00 0000 0000 088b 614a c2412435 03000000 03000000 0500 0000"
        "612e747874 616263"
        // local header of b: empty, CRC 0
        "504b0304 0a00 0000 0000 088b 614a 00000000 00000000 00000000 0100 0000"
        "62"
        // central directory, at offset 0x45
        "504b0102 3f00 0a00 0000 0000 088b 614a c2412435 03000000 03000000 0500 0000 0000"
        "0000 0000 20000000 00000000 612e747874"
        "504b0102 3f00 0a00 0000 0000 088b 614a 00000000 00000000 00000000 0100 0000 0000"
        "0000 0000 20000000 26000000 62"
        // end record: 2 entries, directory of 0x62 bytes at 0x45
        "504b0506 0000 0000 0200 0200 62000000 45000000 0000");
    EXPECT_EQ(ReadFile(dir / "old.zip"), expected);
}

TEST(ZipWriterTest, MembersAreNamedByFileNameInWindows1251) {
    TempDir dir;
    std::filesystem::create_directories(dir / "one");
    std::filesystem::create_directories(dir / "two");
    WriteFile(dir / "one" / "page.emf", "first");
    WriteFile(dir / "two" / "page.emf", "second");
    const std::string cyrillic = testing_support::W(u8"Лист.emf");
    WriteFile(dir.path() / u8"Лист.emf", "third");

    WriteStoredZip({dir / "one" / "page.emf", dir / "two" / "page.emf", dir.path() / u8"Лист.emf",
                    dir / "missing.emf"},
                   dir / "pages.zip");
    const std::string zip = ReadFile(dir / "pages.zip");

    // Each name appears once in its local header and once in the directory.
    std::size_t count = 0;
    for (std::size_t at = zip.find("page.emf"); at != std::string::npos;
         at = zip.find("page.emf", at + 1))
        ++count;
    EXPECT_EQ(count, 4u);
    EXPECT_NE(zip.find(cyrillic + "third"), std::string::npos);
    // The missing file: an empty member (CRC 0, sizes 0) under its name.
    EXPECT_NE(zip.find(Hex("00000000 00000000 00000000 0b00 0000") + "missing.emf"),
              std::string::npos);
    EXPECT_EQ(zip.substr(zip.size() - 22, 12), Hex("504b0506 0000 0000 0400 0400"));
}

TEST(ZipWriterTest, IndependentReadersAcceptTheArchive) {
    TempDir dir;
    WriteFile(dir / "a.txt", "abc");
    WriteFile(dir / "b.bin", std::string("\0\x01\xFF", 3));
    WriteFile(dir / "empty", "");
    std::filesystem::create_directories(dir / "sub");
    WriteFile(dir / "sub" / "a.txt", "same name, other directory");
    const auto archive = dir / "check.zip";
    WriteStoredZip({dir / "a.txt", dir / "b.bin", dir / "empty", dir / "sub" / "a.txt"}, archive);

    bool checked = false;
    if (testing_support::HaveProgram("python3")) {
        EXPECT_EQ(testing_support::RunCommand("python3 -m zipfile -t '" + archive.string() +
                                              "' >/dev/null"),
                  0);
        checked = true;
    }
    if (testing_support::HaveProgram("unzip")) {
        EXPECT_EQ(testing_support::RunCommand("unzip -tq '" + archive.string() + "' >/dev/null"),
                  0);
        checked = true;
    }
    if (!checked)
        GTEST_SKIP() << "neither python3 nor unzip is installed to check the archive";
}

TEST(ZipWriterTest, ArchiveBeyondTheFormatIsRefusedAndOldOneKept) {
    TempDir dir;
    WriteFile(dir / "pages.zip", "old");
    // 65536 members do not fit the 16-bit entry count.
    const std::vector<std::filesystem::path> files(65536, dir / "missing");
    try {
        WriteStoredZip(files, dir / "pages.zip");
        ADD_FAILURE() << "an archive the format cannot hold was written";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + (dir / "pages.zip").string() +
                      "\". The archive exceeds the size or member count of the ZIP format");
    }
    EXPECT_EQ(ReadFile(dir / "pages.zip"), "old");
}

TEST(ZipWriterTest, UnwritableArchiveRaisesFileError) {
    TempDir dir;
    WriteFile(dir / "file", "");
    EXPECT_THROW(WriteStoredZip({}, dir / "file" / "pages.zip"), EFileError);
    // A read-only archive stays as it was.
    WriteFile(dir / "pages.zip", "old");
    std::filesystem::permissions(dir / "pages.zip", std::filesystem::perms(0444));
    try {
        WriteStoredZip({}, dir / "pages.zip");
        ADD_FAILURE() << "a read-only archive was replaced";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + (dir / "pages.zip").string() + "\". Permission denied");
    }
    EXPECT_EQ(ReadFile(dir / "pages.zip"), "old");
}
