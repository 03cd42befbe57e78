#include "text/Numbers.h"

#include "text/CharClass.h"

#include "text/DecimalDigits.h"

#include <charconv>

namespace {

// Value of a hexadecimal digit, or -1.
int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Appends the run of digits at `pos` to `out`; how many there were.
std::size_t TakeDigits(std::string_view text, std::size_t& pos, std::string& out) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        out += text[pos++];
    }
    return pos - start;
}

// Hexadecimal digits as a 64-bit pattern ("$FFFFFFFFFFFFFFFF" is -1, as the
// classic reader takes it); more than 64 bits is out of range.
std::optional<std::uint64_t> ReadHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || value >> 60 != 0) {
            return std::nullopt;
        }
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    return value;
}

std::optional<std::uint64_t> ReadDecimal(std::string_view digits) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> TextToFloat(std::string_view text, const TFormatSettings& settings) {
    text = TrimBlanks(text);
    // Rebuilt in the one notation from_chars reads: sign, digits, ".", exponent.
    std::string plain;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            plain += '-';
        }
        ++pos;
    }
    std::size_t mantissaDigits = TakeDigits(text, pos, plain);
    if (pos < text.size() && text[pos] == settings.DecimalSeparator) {
        plain += '.';
        ++pos;
        mantissaDigits += TakeDigits(text, pos, plain);
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            plain += text[pos++];
        }
        if (TakeDigits(text, pos, plain) == 0) {
            return std::nullopt;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt; // beyond the range of a double
    }
    return value;
}

double TextToFloatDef(std::string_view text, double def, const TFormatSettings& settings) {
    return TextToFloat(text, settings).value_or(def);
}

std::optional<std::int64_t> TextToInt(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint64_t> magnitude;
    if (text.starts_with('$')) {
        magnitude = ReadHex(text.substr(1));
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        magnitude = ReadHex(text.substr(2));
    } else {
        magnitude = ReadDecimal(text);
        constexpr std::uint64_t kMaxPositive = 0x7FFF'FFFF'FFFF'FFFF;
        if (magnitude && *magnitude > kMaxPositive + (negative ? 1 : 0)) {
            return std::nullopt;
        }
    }
    if (!magnitude) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(negative ? 0 - *magnitude : *magnitude);
}

std::int64_t TextToIntDef(std::string_view text, std::int64_t def) {
    return TextToInt(text).value_or(def);
}

std::string FloatToText(double value, const TFormatSettings& settings) {
    return GeneralText(value, 15, settings.DecimalSeparator);
}

std::string FloatToFixed(double value, int decimals, char decimalMark, char thousandSeparator) {
    return FixedText(value, decimals, decimalMark, thousandSeparator);
}

std::int32_t HexToInt(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        value = value * 16 + static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
    }
    return static_cast<std::int32_t>(value);
}
