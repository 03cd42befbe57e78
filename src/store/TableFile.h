#pragma once
// Reading and writing the bytes of a table file, with the table store's
// messages for files that cannot be opened or created.
#include <filesystem>
#include <string>
#include <string_view>

// Files above this size are refused rather than read into memory.
inline constexpr std::uintmax_t kMaxTableFileSize = 1024ull * 1024 * 1024;

// The whole file; "Cannot open file "%s". %s" when it cannot be read.
std::string ReadTableFile(const std::filesystem::path& path);

// Replaces the file through a temporary file; "Cannot create file "%s". %s".
void WriteTableFile(const std::filesystem::path& path, std::string_view bytes);

// The file name as messages show it (Windows-1251).
std::string FileNameForMessage(const std::filesystem::path& path);
