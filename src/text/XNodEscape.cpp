#include "text/XNod.h"

#include <algorithm>

namespace {

// One character by its code: controls as backslash and a digit (0 - 9) or a
// letter (10 - 31), which read back exactly; quote, backslash and "~" escaped.
void AppendEscaped(std::string& out, char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code <= 9) {
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

} // namespace

std::string TXNod::EscapeValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            // CR LF is written as "\n" alone; a carriage return of its own
            // is kept as "\r" rather than lost.
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            AppendEscaped(out, c);
        }
    }
    return out;
}

bool TXNod::IsNameChar(char c) {
    const auto code = static_cast<unsigned char>(c);
    return c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z') || code >= 0xC0;
}

std::string TXNod::EscapeName(std::string_view name) {
    if (!name.empty() && std::all_of(name.begin(), name.end(), IsNameChar))
        return std::string(name);
    // Line breaks are escaped by their codes, not as "\n", so that a lone
    // line feed stays one.
    std::string out = "'";
    for (const char c : name)
        AppendEscaped(out, c);
    return out += '\'';
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
