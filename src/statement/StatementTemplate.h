#pragma once
// The report template that lays out the printed statement. It lives in the
// working directory beside the tables; the engine itself would quietly build
// an empty report without it, so the printer looks for it first.
#include <filesystem>
#include <string_view>

// "Ведомость.rt3" (Windows-1251).
inline constexpr std::string_view kStatementTemplateName = "Ведомость.rt3";

// The template's path in `directory`. Raises EFileError naming the file and
// the directory when it is not there.
std::filesystem::path LocateStatementTemplate(const std::filesystem::path& directory);
