#include "report/export/ExcelText.h"

#include "text/Cp1251.h"

#include <charconv>

namespace {

bool IsForbiddenInXml(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

} // namespace

std::string EscapeCellText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\n':
            escaped += "&#10;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += IsForbiddenInXml(static_cast<unsigned char>(c)) ? '?' : c;
        }
    }
    return Cp1251ToUtf8(escaped);
}

std::string IntText(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string HundredthsText(std::int64_t tenThousandths) {
    const bool negative = tenThousandths < 0;
    // Unsigned, so that the most negative value has a magnitude too.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                             : static_cast<std::uint64_t>(tenThousandths);
    const std::uint64_t hundredths = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    const std::uint64_t fraction = hundredths % 100;
    std::string text = negative && hundredths != 0 ? "-" : "";
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100);
    text.append(buffer, result.ptr);
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

std::string HexColorText(std::int32_t color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto bits = static_cast<std::uint32_t>(color);
    std::string text(6, '0');
    for (int i = 0; i < 6; ++i)
        text[5 - i] = kDigits[(bits >> (4 * i)) & 0xF];
    return text;
}
