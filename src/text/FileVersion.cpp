#include "text/FileVersion.h"

#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

namespace {

// Longest text after the marker still taken as a version.
constexpr std::size_t kMaxVersionLength = 64;

// The marker the program file carries before its version. It is put together
// at run time: as one literal it would stand in every program linking this
// code, and each of them would seem to have a version.
std::string Marker() {
    static constexpr std::string_view kPieces[] = {"VEDOMOST", "-FILE-", "VERSION", "="};
    std::string marker;
    for (const std::string_view piece : kPieces) {
        marker += piece;
    }
    return marker;
}

bool LooksLikeVersion(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos;
}

} // namespace

std::string FileVersionText(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return {};
    }
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string marker = Marker();
    const std::string_view content(bytes);
    for (std::size_t at = content.find(marker); at != std::string_view::npos;
         at = content.find(marker, at + 1)) {
        const std::string_view rest = content.substr(at + marker.size(), kMaxVersionLength + 1);
        const std::size_t end = rest.find('\0');
        if (end != std::string_view::npos && LooksLikeVersion(rest.substr(0, end))) {
            return std::string(rest.substr(0, end));
        }
    }
    return {};
}
