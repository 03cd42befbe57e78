#pragma once
// The template language's strings: double quotes, with "^" putting the quote
// after it into the string.
#include <cstddef>
#include <string>
#include <string_view>

// Reads the string whose opening quote stands just before `pos`; `pos` ends
// after the closing quote. A string without its closing quote runs to the end.
std::string ReadCaretQuoted(std::string_view text, std::size_t& pos);
