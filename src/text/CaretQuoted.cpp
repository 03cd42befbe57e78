#include "text/CaretQuoted.h"

std::string ReadCaretQuoted(std::string_view text, std::size_t& pos) {
    std::string result;
    bool escape = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            if (!escape) {
                ++pos;
                break;
            }
            result += c;
            escape = false;
        } else if (c == '^') {
            escape = true;
        } else {
            result += c;
        }
    }
    return result;
}
