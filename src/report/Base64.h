#pragma once
// Base64 with the standard alphabet and "=" padding, for pictures kept in texts.
#include <optional>
#include <string>
#include <string_view>

std::string Base64Encode(std::string_view bytes);

// The bytes of a Base64 text; line breaks and blanks are skipped, padding is
// optional. Nothing when another character or a lone last letter is found.
std::optional<std::string> Base64Decode(std::string_view text);
