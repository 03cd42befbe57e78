#pragma once
// Comparing names and keywords of table files (field types, flags, element
// names, "TRUE"), which are Latin, without regard to case.
#include <string_view>

inline char LowerLatin(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

inline bool EqualLatinNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerLatin(a[i]) != LowerLatin(b[i])) {
            return false;
        }
    }
    return true;
}
