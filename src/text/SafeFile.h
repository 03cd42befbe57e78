#pragma once
// Whole-file reading and writing. A rewrite goes to a temporary file beside
// the target, is flushed and renamed over it, so an interrupted or failed save
// never leaves a truncated file and never loses the previous contents.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Replaces the file's contents with `bytes`; raises EFileError naming the file
// and the system's reason, leaving the old file as it was.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The whole file; raises EFileError naming the file and the system's reason.
std::string ReadWholeFileOrRaise(const std::filesystem::path& path);
