// Values of the markup: entities on the way in, escapes on the way out.
#include "text/Markup.h"
#include "text/Numbers.h"

#include <algorithm>

namespace {

// The byte an entity stands for; nothing for an unknown name.
void AppendEntity(std::string& out, std::string_view name) {
    if (name == "quot") {
        out += '"';
    } else if (name == "apos") {
        out += '\'';
    } else if (name == "amp") {
        out += '&';
    } else if (name == "lt") {
        out += '<';
    } else if (name == "gt") {
        out += '>';
    } else if (!name.empty() && name[0] == '#') {
        // "#x41": the digits after "#" and the one letter, at most four of them
        const std::string_view digits = name.size() > 2 ? name.substr(2, 4) : std::string_view();
        out += static_cast<char>(HexToInt(digits) & 0xFF);
    }
}

} // namespace

std::string UnescapeMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t amp = text.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        const std::size_t end = std::min(text.find(';', amp + 1), text.size());
        AppendEntity(out, text.substr(amp + 1, end - amp - 1));
        i = end + 1;
    }
    return out;
}

std::string EscapeMarkupValue(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    char previous = '\0';
    for (const char c : text) {
        if (c == '"' || c == '\\' || (c == '>' && previous == '?')) {
            out += '\\';
            out += c;
        } else if (c == '&') {
            out += "&amp;";
        } else {
            out += c;
        }
        previous = c;
    }
    return out;
}
