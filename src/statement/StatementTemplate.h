#pragma once
// The report templates the program prints with: the statement's form and
// the register of statements. They live in the working directory beside the
// tables; the engine itself would quietly build an empty report without
// them, so the printer looks for them first.
#include <filesystem>
#include <string_view>

// "Ведомость.rt3" (Windows-1251).
inline constexpr std::string_view kStatementTemplateName = "Ведомость.rt3";
// "Реестр.rt3" (Windows-1251).
inline constexpr std::string_view kRegisterTemplateName = "Реестр.rt3";

// The statement template's path in `directory`. Raises EFileError naming
// the file and the directory when it is not there.
std::filesystem::path LocateStatementTemplate(const std::filesystem::path& directory);

// The same for the register's template.
std::filesystem::path LocateRegisterTemplate(const std::filesystem::path& directory);
