#include "report/FormatPadded.h"

#include "text/CharClass.h"

#include "report/NumberText.h"
#include "text/FormatSettings.h"
#include "text/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr std::size_t kMaxWidth = 1024;

struct TConversion {
    bool LeftJustify = false;
    char Mark = ',';
    char Fill = ' ';
    std::size_t Width = 0; // 0: no width
    int Precision = 2;
    char Letter = 0;
};

// Reads the conversion after its "%"; false when the format ends before the letter.
bool ReadConversion(std::string_view format, std::size_t& pos, TConversion& conversion) {
    conversion.Mark = ExprFormatSettings().DecimalSeparator;
    const auto atEnd = [&] { return pos >= format.size(); };
    if (!atEnd() && format[pos] == '-') {
        conversion.LeftJustify = true;
        ++pos;
    }
    if (!atEnd() && format[pos] == '&') {
        if (++pos >= format.size())
            return false;
        conversion.Mark = format[pos++];
    }
    if (!atEnd() && format[pos] == '0')
        conversion.Fill = '0';
    for (; !atEnd() && IsDigit(format[pos]); ++pos)
        conversion.Width = std::min(conversion.Width * 10 + (format[pos] - '0'), kMaxWidth);
    if (!atEnd() && format[pos] == '.') {
        ++pos;
        if (!atEnd() && IsDigit(format[pos])) {
            // Only the last digit and whether the value exceeds 10 matter.
            int precision = 0;
            for (; !atEnd() && IsDigit(format[pos]); ++pos) {
                precision = precision * 10 + (format[pos] - '0');
                if (precision > 100)
                    precision = 100 + precision % 10;
            }
            conversion.Precision = precision > 10 ? precision % 10 : precision;
        }
    }
    if (atEnd())
        return false;
    conversion.Letter = format[pos++];
    return true;
}

double AsFloat(const FormatPaddedArg& argument) {
    const auto& value = argument.value();
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*integer);
    if (const auto* number = std::get_if<double>(&value))
        return std::isfinite(*number) ? *number : 0.0;
    return ReadNumber(std::get<std::string_view>(value));
}

// The decimal digits of a whole, non-negative, finite float.
std::string WholeDigits(double value) {
    char buffer[320];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

std::string DecimalText(const FormatPaddedArg& argument) {
    if (const auto* integer = std::get_if<std::int64_t>(&argument.value()))
        return IntToText(*integer);
    const double rounded = std::nearbyint(AsFloat(argument));
    return (rounded < 0 ? "-" : "") + WholeDigits(std::fabs(rounded));
}

std::string HexText(const FormatPaddedArg& argument, bool upper) {
    std::int64_t value;
    if (const auto* integer = std::get_if<std::int64_t>(&argument.value())) {
        value = *integer;
    } else {
        constexpr double limit = 9223372036854775808.0;
        const double rounded = std::clamp(std::nearbyint(AsFloat(argument)), -limit, limit);
        value = rounded >= limit ? INT64_MAX : static_cast<std::int64_t>(rounded);
    }
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    auto bits = static_cast<std::uint64_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[bits & 15]);
        bits >>= 4;
    } while (bits != 0);
    return text;
}

// Sign, whole part, mark and exactly `precision` decimals of the argument
// times 10^precision rounded to the nearest integer (half to even).
std::string FixedText(const FormatPaddedArg& argument, const TConversion& conversion) {
    const double value = AsFloat(argument);
    const int precision = conversion.Precision;
    const double scaled = std::nearbyint(value * std::pow(10.0, precision));
    if (!std::isfinite(scaled)) // too large to scale, and a whole number anyway
        return FloatToFixed(value, precision, conversion.Mark);
    std::string digits = WholeDigits(std::fabs(scaled));
    if (digits.size() <= static_cast<std::size_t>(precision))
        digits.insert(0, precision + 1 - digits.size(), '0');
    std::string text = (scaled < 0 ? "-" : "") + digits.substr(0, digits.size() - precision);
    if (precision > 0)
        text += conversion.Mark + digits.substr(digits.size() - precision);
    return text;
}

std::string GeneralText(const FormatPaddedArg& argument, char mark) {
    TFormatSettings settings = ExprFormatSettings();
    settings.DecimalSeparator = mark;
    return FloatToText(AsFloat(argument), settings);
}

std::string PlainText(const FormatPaddedArg& argument) {
    const auto& value = argument.value();
    if (const auto* text = std::get_if<std::string_view>(&value))
        return std::string(*text);
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return IntToText(*integer);
    return FloatToText(AsFloat(argument), ExprFormatSettings());
}

std::string Pad(std::string text, const TConversion& conversion) {
    const std::size_t width = conversion.Width;
    if (width == 0)
        return text;
    const bool isText = conversion.Letter == 's';
    if (text.size() > width)
        return isText ? text.substr(0, width) : text.substr(text.size() - width);
    const std::string fill(width - text.size(), isText ? ' ' : conversion.Fill);
    return conversion.LeftJustify ? text + fill : fill + text;
}

std::string Convert(const TConversion& conversion, const FormatPaddedArg& argument) {
    switch (conversion.Letter) {
    case 'd':
        return Pad(DecimalText(argument), conversion);
    case 'f':
        return Pad(FixedText(argument, conversion), conversion);
    case 'n':
        return Pad(FloatToFixed(AsFloat(argument), conversion.Precision, conversion.Mark,
                                ExprFormatSettings().ThousandSeparator),
                   conversion);
    case 's':
        return Pad(PlainText(argument), conversion);
    case 'g':
        return Pad(GeneralText(argument, conversion.Mark), conversion);
    case 'x':
    case 'X':
        return Pad(HexText(argument, conversion.Letter == 'X'), conversion);
    default:
        return "";
    }
}

} // namespace

std::string FormatPadded(std::string_view format, const FormatPaddedArg& argument) {
    std::string out;
    bool argumentUsed = false;
    std::size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (pos < format.size() && format[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        TConversion conversion;
        if (!ReadConversion(format, pos, conversion))
            break;
        if (!argumentUsed)
            out += Convert(conversion, argument);
        argumentUsed = true;
    }
    return out;
}
