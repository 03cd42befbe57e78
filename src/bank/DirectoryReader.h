#pragma once
// Reading the Bank of Russia's directory of banks (the electronic message
// ED807) as it is published: a ZIP holding the XML file, or the XML file
// itself, in Windows-1251 (UTF-8 is read too). The XML goes through pugixml.
//
// Anything that is not a sound full directory is refused whole with
// EParseError: another XML, a damaged one, an entry without a valid BIK, a
// value longer than any the directory holds, a document too large.
#include "bank/BankDirectory.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

// The most a directory file, or the XML inflated from it, may take.
inline constexpr std::size_t kDirectoryFileLimit = 200u << 20;

// The directory of an XML document; the reason it is refused, without a
// file name, in the error.
TBankDirectory ReadDirectoryXml(std::string_view xml);

// The directory of a file's bytes, a ZIP or an XML document.
TBankDirectory ReadDirectoryBytes(std::string_view bytes);

// The directory of a file. Errors name it: Файл "NAME" не является
// справочником БИК: REASON.
TBankDirectory ReadDirectoryFile(const std::filesystem::path& path);
