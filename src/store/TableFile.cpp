#include "store/TableFile.h"

#include "text/Format.h"
#include "text/Paths.h"
#include "text/SafeFile.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace {

[[noreturn]] void CannotOpen(const std::filesystem::path& path, const std::string& reason) {
    RaiseCannotOpen(FileNameForMessage(path), reason);
}

} // namespace

std::string FileNameForMessage(const std::filesystem::path& path) {
    return PathToText(path.filename());
}

std::string ReadTableFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        CannotOpen(path, SystemReason(EISDIR));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CannotOpen(path, SystemReason(errno));
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        CannotOpen(path, SystemReason(errno));
    }
    if (static_cast<std::uintmax_t>(size) > kMaxTableFileSize) {
        CannotOpen(path, Format("The file is larger than %d bytes",
                                {static_cast<long long>(kMaxTableFileSize)}));
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0, std::ios::beg);
    if (!in.read(bytes.data(), size)) {
        CannotOpen(path, SystemReason(errno));
    }
    return bytes;
}

void WriteTableFile(const std::filesystem::path& path, std::string_view bytes) {
    WriteFileAtomically(path, bytes, FileNameForMessage(path));
}
