#include "text/Paths.h"

#include "text/Cp1251.h"

#include <system_error>

std::filesystem::path PathFromText(std::string_view name) {
    return PathFromUtf8(Cp1251ToUtf8(name));
}

std::filesystem::path PathFromUtf8(std::string_view name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string PathToText(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return Utf8ToCp1251(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::filesystem::path ProgramFile() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
}

std::filesystem::path ProgramDirectory() {
    const std::filesystem::path exe = ProgramFile();
    return exe.empty() ? std::filesystem::current_path() : exe.parent_path();
}
