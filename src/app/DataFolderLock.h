#pragma once
// One copy of the program per data folder. Every copy keeps the tables in
// memory and rewrites a whole table file on each change, so a second copy on
// the same folder would silently undo what the first one saved. The lock is
// the file ".vedomost.lock" in the folder, taken before any table is opened
// and held until the program ends. A lock whose owner is gone (killed,
// crashed) is taken over at once: it is stale when its process is no
// longer running, however young it is.
#include <QLockFile>

#include <filesystem>

class TDataFolderLock {
public:
    // Takes the folder's lock. Raises EFileError "Программа уже открыта с
    // данными в папке "<folder>"." when a running copy holds it, and "Нет
    // доступа на запись в папку данных "<folder>"." when the lock file cannot
    // be made.
    explicit TDataFolderLock(const std::filesystem::path& folder);
    TDataFolderLock(const TDataFolderLock&) = delete;
    TDataFolderLock& operator=(const TDataFolderLock&) = delete;

    static constexpr const char* kFileName = ".vedomost.lock";

private:
    QLockFile lock_;
};
