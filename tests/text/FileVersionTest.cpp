#include "text/FileVersion.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

// The marker, joined at run time so this program does not carry it itself.
std::string Marker() {
    return std::string("VEDOMOST-FILE") + std::string("-VERSION=");
}

} // namespace

TEST(FileVersionText, ReadsTheVersionStampedIntoTheProgram) {
    EXPECT_EQ(FileVersionText(VED_PROGRAM_FILE), VED_VERSION);
}

TEST(FileVersionText, FindsNoVersionInOtherFiles) {
    TempDir dir;
    WriteFile(dir / "plain.txt", "Препроводительная ведомость\n");
    EXPECT_EQ(FileVersionText(dir / "plain.txt"), "");
    EXPECT_EQ(FileVersionText(dir / "missing.exe"), "");
    EXPECT_EQ(FileVersionText(dir.path()), "");
    EXPECT_EQ(FileVersionText("/proc/self/exe"), ""); // this test program
}

TEST(FileVersionText, TakesOnlyDigitsAndDotsEndedByNul) {
    TempDir dir;
    const std::string marker = Marker();
    const auto version = [&](const std::string& bytes) {
        WriteFile(dir / "file", bytes);
        return FileVersionText(dir / "file");
    };
    EXPECT_EQ(version("xx" + marker + std::string("2.5.0.17\0tail", 13)), "2.5.0.17");
    EXPECT_EQ(version(marker + "1.0.0.0"), "");                    // no NUL
    EXPECT_EQ(version(marker + std::string("\0", 1)), "");         // empty
    EXPECT_EQ(version(marker + std::string("1.0 beta\0", 9)), ""); // not a version
    EXPECT_EQ(version(marker + std::string(100, '1') + '\0'), ""); // far too long
    EXPECT_EQ(version(marker + std::string("x\0", 2) + marker + std::string("3.1\0", 4)), "3.1");
}
