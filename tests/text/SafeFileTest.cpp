#include "text/SafeFile.h"
#include "support/TestSupport.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::W;
using testing_support::WriteFile;

namespace {

std::vector<std::string> Names(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The message of the EFileError the call raises, or "" when it raises none.
template <typename Call> std::string FileErrorOf(Call call) {
    try {
        call();
    } catch (const EFileError& e) {
        return e.what();
    }
    return {};
}

struct stat StatOf(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st;
}

mode_t ModeOf(const std::filesystem::path& path) {
    return StatOf(path).st_mode & 07777;
}

} // namespace

TEST(SafeFileTest, WritesAndOverwritesLeavingNoTemporary) {
    TempDir dir;
    const auto file = dir / "Data.txt";
    WriteFileAtomically(file, std::string("one\0two", 7));
    EXPECT_EQ(ReadFile(file), std::string("one\0two", 7));
    WriteFileAtomically(file, "");
    EXPECT_EQ(ReadFile(file), "");
    WriteFileAtomically(file, "three");
    EXPECT_EQ(ReadFile(file), "three");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"Data.txt"});
}

TEST(SafeFileTest, KeepsPermissionsOfTheOldFileAndUsesUmaskForANewOne) {
    TempDir dir;
    const mode_t oldMask = ::umask(022);
    WriteFileAtomically(dir / "new", "x");
    ::umask(oldMask);
    EXPECT_EQ(ModeOf(dir / "new"), 0644u);

    WriteFile(dir / "kept", "old");
    std::filesystem::permissions(dir / "kept", std::filesystem::perms(0640));
    WriteFileAtomically(dir / "kept", "new");
    EXPECT_EQ(ModeOf(dir / "kept"), 0640u);
}

TEST(SafeFileTest, WritesThroughASymbolicLink) {
    TempDir dir;
    WriteFile(dir / "real", "old");
    std::filesystem::create_symlink(dir / "real", dir / "link");
    WriteFileAtomically(dir / "link", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
    EXPECT_EQ(ReadFile(dir / "real"), "new");
}

TEST(SafeFileTest, FailureNamesTheFileAndTheReason) {
    TempDir dir;
    WriteFile(dir / "plain", "");
    // A regular file as the parent stops root as well.
    const auto inside = dir / "plain" / u8"Данные.txt";
    const std::string message = FileErrorOf([&] { WriteFileAtomically(inside, "x"); });
    EXPECT_EQ(message, "Cannot create file \"" + (dir / "plain").string() + "/" +
                           W(u8"Данные.txt") + "\". Not a directory");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"plain"});
    // A caller may name the file as its user knows it.
    EXPECT_EQ(FileErrorOf([&] { WriteFileAtomically(inside, "x", "Banks.xml"); }),
              "Cannot create file \"Banks.xml\". Not a directory");
}

TEST(SafeFileTest, AFileWithoutWritePermissionIsNeverReplacedEvenByRoot) {
    TempDir dir;
    const auto file = dir / "Firms.xml";
    WriteFile(file, "old bytes");
    const bool root = ::geteuid() == 0;
    // Root can give the file away, which a replacement would undo.
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 4321, 4321), 0);
    }
    const struct stat before = StatOf(file);
    for (const mode_t mode : {0444, 0400, 0000, 0555}) {
        std::filesystem::permissions(file, std::filesystem::perms(mode));
        EXPECT_EQ(FileErrorOf([&] { WriteFileAtomically(file, "new"); }),
                  "Cannot create file \"" + file.string() + "\". Permission denied")
            << std::oct << mode;
        EXPECT_EQ(ReadFile(file), "old bytes");
        const struct stat after = StatOf(file);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode & 07777, mode);
    }
    // Through a link as well, and nothing is left beside the file.
    std::filesystem::create_symlink(file, dir / "link");
    EXPECT_NE(FileErrorOf([&] { WriteFileAtomically(dir / "link", "new"); }), "");
    EXPECT_EQ(ReadFile(file), "old bytes");
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"Firms.xml", "link"}));

    // For root, a write permission bit for anyone lets the save through.
    if (root) {
        std::filesystem::permissions(file, std::filesystem::perms(0604));
        WriteFileAtomically(file, "new");
        EXPECT_EQ(ReadFile(file), "new");
    }
}

TEST(SafeFileTest, AReplacedFileKeepsItsOwnerWhereThisProcessMayKeepIt) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save a file that belongs to someone else";
    TempDir dir;
    const auto file = dir / "Banks.xml";
    WriteFile(file, "old");
    ASSERT_EQ(::chown(file.c_str(), 4321, 4322), 0);
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    WriteFileAtomically(file, "new");
    EXPECT_EQ(ReadFile(file), "new");
    const struct stat after = StatOf(file);
    EXPECT_EQ(after.st_uid, 4321u);
    EXPECT_EQ(after.st_gid, 4322u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

TEST(SafeFileTest, FailedRenameKeepsTheOldTargetAndRemovesTheTemporary) {
    TempDir dir;
    // A rename over a directory fails after all bytes were written.
    std::filesystem::create_directories(dir / "target");
    WriteFile(dir / "target" / "inside", "kept");
    const std::string message = FileErrorOf([&] { WriteFileAtomically(dir / "target", "x"); });
    EXPECT_NE(message.find("Is a directory"), std::string::npos) << message;
    EXPECT_EQ(ReadFile(dir / "target" / "inside"), "kept");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"target"});
}

TEST(SafeFileTest, ReadOnlyFileSystemFails) {
    if (!std::filesystem::exists("/proc/version"))
        GTEST_SKIP() << "no /proc to stand for a read-only place";
    const std::string before = ReadFile("/proc/version");
    EXPECT_NE(FileErrorOf([] { WriteFileAtomically("/proc/version", "x"); }), "");
    EXPECT_EQ(ReadFile("/proc/version"), before);
}

TEST(SafeFileTest, ReadsWholeFilesOrReportsWhy) {
    TempDir dir;
    const std::string big(200000, '\xC0');
    WriteFile(dir / "big", big);
    EXPECT_EQ(ReadWholeFile(dir / "big"), big);
    EXPECT_EQ(ReadWholeFileOrRaise(dir / "big"), big);
    EXPECT_EQ(ReadWholeFile(dir / "missing"), std::nullopt);
    EXPECT_EQ(ReadWholeFile(dir.path()), std::nullopt);
    // Neither a pipe without a writer nor an endless device may hang the reader.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(dir / "pipe"), std::nullopt);
    EXPECT_EQ(ReadWholeFile("/dev/zero"), std::nullopt);
    EXPECT_EQ(FileErrorOf([&] { ReadWholeFileOrRaise(dir / "missing"); }),
              "Cannot open file \"" + (dir / "missing").string() + "\". No such file or directory");
}
