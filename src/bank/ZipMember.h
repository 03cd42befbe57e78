#pragma once
// The XML file inside a ZIP archive as the Bank of Russia publishes its
// directory: the archive's central directory is read here, the member's data
// is inflated by zlib. Raises EParseError with the reason (in Russian, no
// file name) for anything that is not a sound archive holding an XML file.
#include <cstddef>
#include <string>
#include <string_view>

// Whether the bytes begin as a ZIP archive does.
bool LooksLikeZip(std::string_view bytes);

// The first member whose name ends in ".xml", inflated; one larger than
// `limit` bytes is refused before it is inflated.
std::string ExtractXmlMember(std::string_view zip, std::size_t limit);
