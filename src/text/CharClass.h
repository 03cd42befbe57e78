#pragma once
// Character tests and trimming shared by the readers of numbers, formats and
// templates. Bytes are Windows-1251; only ASCII digits count as digits.
#include <string_view>

// Backspace as a typed character: every edit box takes it.
inline constexpr char kBackspace = '\b';

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without leading and trailing blanks.
inline std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
