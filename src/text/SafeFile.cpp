#include "text/SafeFile.h"

#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// A rename replaces a symbolic link itself; write the file it points to instead.
std::filesystem::path ResolveLink(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec))
        return path;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    return ec ? path : target;
}

// Opens a new, uniquely named file beside `target`, created as an ordinary
// file would be (mode 0666 less the umask), so a new target gets the usual
// permission bits.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
    const std::filesystem::path directory = target.parent_path();
    // Room for the suffix within the longest file name a directory takes.
    const std::string stem = target.filename().string().substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".";
        name.append(stem).append(".");
        for (int i = 0; i < 6; ++i)
            name += kLetters[pick(random)];
        temporary = directory / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a directory that cannot be synced costs
// only durability, never the data already written.
void SyncDirectory(const std::filesystem::path& directory) {
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Why an existing target may not be replaced, or 0. The user protects a file
// by taking away its write permission; root is let through by the system
// regardless, so the bits are checked as well.
int RefusalReason(const std::filesystem::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0)
        return 0;
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    return 0;
}

// Gives the temporary the target's owner (when this process may) and
// permission bits, writes, flushes and closes it; 0 or the reason of the
// first failure.
int FillTemporary(int fd, const std::filesystem::path& target, std::string_view bytes) {
    int error = 0;
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        // Only root may give a file away; anyone else's save makes it theirs.
    }
    if (replacing && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    else if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// The whole file into `bytes`; 0 or the reason of the failure. Only regular
// files are read: a pipe or a device could block or never end.
int ReadInto(const std::filesystem::path& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    int error = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (S_ISDIR(st.st_mode))
        error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        error = EINVAL;
    char buffer[65536];
    while (error == 0) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            error = errno;
    }
    ::close(fd);
    return error;
}

} // namespace

std::string SystemReason(int error) {
    return Utf8ToCp1251(std::error_code(error, std::system_category()).message());
}

void RaiseCannotOpen(std::string_view name, std::string_view reason) {
    throw EFileError(Format("Cannot open file \"%s\". %s", {name, reason}));
}

void RaiseCannotCreate(std::string_view name, std::string_view reason) {
    throw EFileError(Format("Cannot create file \"%s\". %s", {name, reason}));
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string_view shownName) {
    const std::string name = shownName.empty() ? PathToText(path) : std::string(shownName);
    const std::filesystem::path target = ResolveLink(path);
    if (const int refusal = RefusalReason(target); refusal != 0)
        RaiseCannotCreate(name, SystemReason(refusal));
    std::filesystem::path temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        RaiseCannotCreate(name, SystemReason(errno));
    const int error = FillTemporary(fd, target, bytes);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) == 0) {
        SyncDirectory(target.parent_path());
        return;
    }
    const int reason = error != 0 ? error : errno;
    ::unlink(temporary.c_str());
    RaiseCannotCreate(name, SystemReason(reason));
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::string bytes;
    if (ReadInto(path, bytes) != 0)
        return std::nullopt;
    return bytes;
}

std::string ReadWholeFileOrRaise(const std::filesystem::path& path) {
    std::string bytes;
    if (const int error = ReadInto(path, bytes); error != 0)
        RaiseCannotOpen(PathToText(path), SystemReason(error));
    return bytes;
}
