#include "text/XNod.h"

std::string TXNod::EscapeValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto code = static_cast<unsigned char>(c);
        if (c == '\r') {
            // CR LF is written as "\n" alone; a carriage return of its own
            // is kept as "\r" rather than lost.
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (code <= 8) {
            out += '\\';
            out += static_cast<char>(code + '0');
        } else if (code < 32) {
            out += '\\';
            out += static_cast<char>(code + 55);
        } else if (c == '\'' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '~') {
            out += "\\Z";
        } else {
            out += c;
        }
    }
    return out;
}

std::string TXNod::UnescapeValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A backslash at the very end escapes nothing and stays itself.
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c >= '0' && c <= '9')
            out += static_cast<char>(c - '0');
        else if (c >= 'A' && c <= 'V')
            out += static_cast<char>(c - 55);
        else if (c == 'Z')
            out += '~';
        else if (c == 'n')
            out += "\r\n";
        else if (c == 'r')
            out += '\r';
        else if (c == 't')
            out += '\t';
        else
            out += c;
    }
    return out;
}
