#pragma once
// Whole-file reading and writing. A rewrite goes to a temporary file beside
// the target, is flushed and renamed over it, so an interrupted or failed save
// never leaves a truncated file and never loses the previous contents.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Replaces the file's contents with `bytes`. An existing file that may not be
// written (no write permission bit, even for root) is refused before anything
// is written. Failures raise EFileError "Cannot create file "%s". %s" with
// `shownName` (the path when empty) and the system's reason, leaving the old
// file as it was, with its owner and mode.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string_view shownName = {});

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The whole file; raises EFileError "Cannot open file "%s". %s" with the path
// and the system's reason.
std::string ReadWholeFileOrRaise(const std::filesystem::path& path);

// The system's text for an error number, in the program's encoding.
std::string SystemReason(int error);

// Raise EFileError "Cannot open file "%s". %s" and "Cannot create file "%s". %s".
[[noreturn]] void RaiseCannotOpen(std::string_view name, std::string_view reason);
[[noreturn]] void RaiseCannotCreate(std::string_view name, std::string_view reason);
