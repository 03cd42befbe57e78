// The data folder made ready before the tables are opened: created, refused
// when it cannot be written, given the shipped templates, and held by one
// copy of the program at a time.
#include "app/DataFolder.h"
#include "app/DataFolderLock.h"
#include "app/DataFolderStart.h"
#include "app/DataPlaces.h"
#include "support/TestSupport.h"
#include "support/widgets/ModalAnswer.h"
#include "text/Errors.h"
#include "text/Paths.h"
#include "text/qt/QtCodec.h"

#include <QFile>

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

// The message of the error the call raises, or "" when it raises none.
template <class F> std::string ErrorOf(F&& call) {
    try {
        call();
    } catch (const EAppError& error) {
        return error.what();
    }
    return "";
}

std::set<std::string> Listing(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        names.insert(std::filesystem::relative(entry.path(), folder).string() + " " +
                     (entry.is_regular_file() ? ReadFile(entry.path()) : "<dir>"));
    }
    return names;
}

std::filesystem::perms Mode(const std::filesystem::path& path) {
    return std::filesystem::status(path).permissions() & std::filesystem::perms::all;
}

const std::filesystem::path kTemplate(u8"Ведомость.rt3");

TDataPlaces InstalledIn(const std::filesystem::path& folder, const std::filesystem::path& shared) {
    TDataPlaces places;
    places.WorkingDirectory = folder;
    places.DataFileDirectory = folder;
    places.CreateWorkingDirectory = true;
    places.SharedDirectory = shared;
    places.Templates = {W(u8"Ведомость.rt3")};
    return places;
}

} // namespace

TEST(DataFolder, IsCreatedPrivateWithItsParentsAndAnExistingOneIsLeftAlone) {
    const TempDir dir;
    const std::filesystem::path folder = dir / "home/.local/share/vedomost";
    CreateDataFolder(folder);
    EXPECT_EQ(Mode(folder), std::filesystem::perms::owner_all);
    EXPECT_EQ(Mode(dir / "home/.local"), std::filesystem::perms::owner_all);

    std::filesystem::permissions(folder, std::filesystem::perms::all);
    CreateDataFolder(folder);
    EXPECT_EQ(Mode(folder), std::filesystem::perms::all);
}

TEST(DataFolder, ThatCannotBeCreatedIsNamedAndNothingIsLeftBehind) {
    const TempDir dir;
    WriteFile(dir / "vedomost", "a file");
    EXPECT_EQ(ErrorOf([&] { CreateDataFolder(dir / "vedomost"); }),
              W(u8"Не удается создать папку данных \"") + PathToText(dir / "vedomost") +
                  "\". Not a directory");
    EXPECT_EQ(ReadFile(dir / "vedomost"), "a file");

    // The parents made before the failure go again.
    const std::filesystem::path tooLong = dir / "made" / std::string(300, 'x');
    EXPECT_NE(ErrorOf([&] { CreateDataFolder(tooLong); }).find("File name too long"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "made"));
}

TEST(DataFolder, WithoutAnyWritePermissionIsRefusedEvenForRoot) {
    const TempDir dir;
    EXPECT_EQ(ErrorOf([&] { CheckDataFolderWritable(dir.path()); }), "");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    EXPECT_EQ(ErrorOf([&] { CheckDataFolderWritable(dir.path()); }),
              W(u8"Нет доступа на запись в папку данных \"") + PathToText(dir.path()) + "\".");
    EXPECT_NE(ErrorOf([&] { CheckDataFolderWritable(dir / "missing"); }), "");
}

TEST(DataFolder, TemplatesAreCopiedOnlyWhenMissing) {
    const TempDir shared;
    const TempDir folder;
    WriteFile(shared / kTemplate.string(), "shipped");
    const std::vector<std::string> names = {W(u8"Ведомость.rt3"), "Absent.rt3"};
    CopyMissingTemplates(shared.path(), folder.path(), names);
    EXPECT_EQ(ReadFile(folder.path() / kTemplate), "shipped");
    // A template the package lacks is no error and leaves nothing.
    EXPECT_FALSE(std::filesystem::exists(folder / "Absent.rt3"));

    WriteFile(folder.path() / kTemplate, "edited by the user");
    WriteFile(shared / kTemplate.string(), "a newer version");
    CopyMissingTemplates(shared.path(), folder.path(), names);
    EXPECT_EQ(ReadFile(folder.path() / kTemplate), "edited by the user");
}

TEST(DataFolderLock, IsHeldByOneCopyAtATime) {
    const TempDir dir;
    const std::string busy =
        W(u8"Программа уже открыта с данными в папке \"") + PathToText(dir.path()) + "\".";
    {
        const TDataFolderLock first(dir.path());
        EXPECT_TRUE(std::filesystem::exists(dir / TDataFolderLock::kFileName));
        EXPECT_EQ(ErrorOf([&] { TDataFolderLock second(dir.path()); }), busy);

        // However old the lock, its owner is running: it stays.
        const auto lockPath = dir / TDataFolderLock::kFileName;
        std::filesystem::last_write_time(lockPath, std::filesystem::last_write_time(lockPath) -
                                                       std::chrono::hours(48));
        EXPECT_EQ(ErrorOf([&] { TDataFolderLock second(dir.path()); }), busy);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / TDataFolderLock::kFileName));
    EXPECT_EQ(ErrorOf([&] { TDataFolderLock again(dir.path()); }), "");
}

TEST(DataFolderLock, LeftByACopyThatDiedIsTakenOver) {
    const TempDir dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Dies holding the lock, as a killed program would.
        QLockFile lock(QString::fromStdString((dir / TDataFolderLock::kFileName).string()));
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(std::filesystem::exists(dir / TDataFolderLock::kFileName));
    EXPECT_EQ(ErrorOf([&] { TDataFolderLock next(dir.path()); }), "");
}

TEST(DataFolderStart, MakesTheInstalledFolderAndHoldsItsLock) {
    const TempDir home;
    const TempDir shared;
    WriteFile(shared / kTemplate.string(), "shipped");
    const std::filesystem::path folder = home / ".local/share/vedomost";
    {
        const auto lock = OpenDataFolder(InstalledIn(folder, shared.path()));
        ASSERT_NE(lock, nullptr);
        EXPECT_EQ(ReadFile(folder / kTemplate), "shipped");
        EXPECT_TRUE(std::filesystem::exists(folder / TDataFolderLock::kFileName));
    }
    EXPECT_FALSE(std::filesystem::exists(folder / TDataFolderLock::kFileName));
}

TEST(DataFolderStart, ARefusalIsShownAndTouchesNothing) {
    const TempDir home;
    const TempDir shared;
    WriteFile(shared / kTemplate.string(), "shipped");
    const std::filesystem::path folder = home / "vedomost";
    const TDataPlaces places = InstalledIn(folder, shared.path());
    {
        const auto running = OpenDataFolder(places);
        ASSERT_NE(running, nullptr);
        std::filesystem::remove(folder / kTemplate);
        const std::set<std::string> before = Listing(home.path());
        ModalAnswer answer(ClickButton(ToQString("ОК")));
        EXPECT_EQ(OpenDataFolder(places), nullptr);
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(answer.Title(), ToQString("Препроводительная ведомость"));
        EXPECT_EQ(answer.Text(), ToQString(W(u8"Программа уже открыта с данными в папке \"") +
                                           PathToText(folder) + "\"."));
        // Not even the missing template is put in.
        EXPECT_EQ(Listing(home.path()), before);
    }

    const TempDir other;
    WriteFile(other / "vedomost", "a file");
    ModalAnswer answer(ClickButton(ToQString("ОК")));
    EXPECT_EQ(OpenDataFolder(InstalledIn(other / "vedomost", shared.path())), nullptr);
    EXPECT_EQ(answer.Text(), ToQString(W(u8"Не удается создать папку данных \"") +
                                       PathToText(other / "vedomost") + "\". Not a directory."));
    EXPECT_EQ(Listing(other.path()), std::set<std::string>{"vedomost a file"});
}

TEST(DataPlaces, TheInstalledProgramKeepsEverythingInTheUsersDataFolder) {
    const TempDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
    const TDataPlaces installed = InstalledPlaces({"a.rt3"});
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(installed.WorkingDirectory, data / "vedomost");
    EXPECT_EQ(installed.DataFileDirectory, data / "vedomost");
    EXPECT_TRUE(installed.CreateWorkingDirectory);
    EXPECT_EQ(installed.SharedDirectory, ProgramDirectory().parent_path() / "share/vedomost");
    EXPECT_EQ(installed.Templates, std::vector<std::string>{"a.rt3"});

    const TDataPlaces tree = BuildTreePlaces();
    EXPECT_EQ(tree.WorkingDirectory, std::filesystem::current_path());
    EXPECT_EQ(tree.DataFileDirectory, ProgramDirectory());
    EXPECT_FALSE(tree.CreateWorkingDirectory);
    EXPECT_TRUE(tree.Templates.empty());
}
