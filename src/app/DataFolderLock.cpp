#include "app/DataFolderLock.h"

#include "text/Errors.h"
#include "text/Paths.h"

#include <QString>

namespace {

QString LockPath(const std::filesystem::path& folder) {
    const std::u8string path = (folder / TDataFolderLock::kFileName).u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(path.data()),
                             static_cast<qsizetype>(path.size()));
}

} // namespace

TDataFolderLock::TDataFolderLock(const std::filesystem::path& folder) : lock_(LockPath(folder)) {
    // Age says nothing here: a program stays open for days. Only a dead
    // owner makes a lock stale.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0)) {
        return;
    }
    const std::string shown = PathToText(folder);
    if (lock_.error() == QLockFile::LockFailedError) {
        throw EFileError("Программа уже открыта с данными в папке \"" + shown + "\".");
    }
    throw EFileError("Нет доступа на запись в папку данных \"" + shown + "\".");
}
