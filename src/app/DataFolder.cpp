#include "app/DataFolder.h"

#include "text/Errors.h"
#include "text/Paths.h"
#include "text/SafeFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void RaiseCannotCreateFolder(const std::filesystem::path& folder, int reason) {
    throw EFileError("Не удается создать папку данных \"" + PathToText(folder) + "\". " +
                     SystemReason(reason));
}

// The reason the folder cannot be made: 0 when it was made or was there.
int MakeFolder(const std::filesystem::path& folder, bool& made) {
    made = false;
    struct stat existing {};
    if (::stat(folder.c_str(), &existing) == 0) {
        return S_ISDIR(existing.st_mode) ? 0 : ENOTDIR;
    }
    if (::mkdir(folder.c_str(), 0700) == 0) {
        made = true;
        return 0;
    }
    return errno;
}

} // namespace

void CreateDataFolder(const std::filesystem::path& folder) {
    if (folder.empty()) {
        RaiseCannotCreateFolder(folder, ENOENT);
    }
    std::vector<std::filesystem::path> made;
    std::filesystem::path prefix;
    for (const std::filesystem::path& part : folder.lexically_normal()) {
        prefix /= part;
        if (part.empty() || part == prefix.root_path()) {
            continue;
        }
        bool madeNow = false;
        if (const int reason = MakeFolder(prefix, madeNow); reason != 0) {
            for (auto it = made.rbegin(); it != made.rend(); ++it) {
                ::rmdir(it->c_str());
            }
            RaiseCannotCreateFolder(folder, reason);
        }
        if (madeNow) {
            made.push_back(prefix);
        }
    }
}

void CheckDataFolderWritable(const std::filesystem::path& folder) {
    struct stat existing {};
    const bool open = ::stat(folder.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode) &&
                      (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
                      ::access(folder.c_str(), W_OK | X_OK) == 0;
    if (!open) {
        throw EFileError("Нет доступа на запись в папку данных \"" + PathToText(folder) + "\".");
    }
}

void CopyMissingTemplates(const std::filesystem::path& shared, const std::filesystem::path& folder,
                          const std::vector<std::string>& templates) {
    for (const std::string& name : templates) {
        const std::filesystem::path target = folder / PathFromText(name);
        std::error_code error;
        // Whatever stands there is the user's, even a link or a folder.
        if (std::filesystem::symlink_status(target, error).type() !=
            std::filesystem::file_type::not_found) {
            continue;
        }
        if (const auto bytes = ReadWholeFile(shared / PathFromText(name))) {
            WriteFileAtomically(target, *bytes);
        }
    }
}
