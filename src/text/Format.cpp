#include "text/Format.h"

#include "text/CharClass.h"

#include "text/DecimalDigits.h"
#include "text/Errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <type_traits>

namespace {

// Width and precision beyond this are a broken pattern, not a wish for a
// gigabyte of blanks.
constexpr int kMaxWidth = 4096;

// One "%..." of the pattern, as read.
struct TConversion {
    std::string_view Text; // the whole "%-10.2f", for messages
    bool LeftJustify = false;
    int Width = -1;
    int Precision = -1;
    char Letter = '\0'; // lower case
};

[[noreturn]] void FailPattern(std::string_view text) {
    throw EConvertError("Неверный формат \"" + std::string(text) + "\"");
}

[[noreturn]] void FailArgument(const TConversion& conversion, bool missing) {
    throw EConvertError("Формат \"" + std::string(conversion.Text) + "\"" +
                        (missing ? ": не хватает аргумента" : " несовместим с аргументом"));
}

// Reads a run of digits at `pos`; -1 when there is none.
int ReadNumber(std::string_view pattern, std::size_t& pos, std::size_t start) {
    if (pos >= pattern.size() || !IsDigit(pattern[pos])) {
        return -1;
    }
    int value = 0;
    while (pos < pattern.size() && IsDigit(pattern[pos])) {
        value = std::min(value * 10 + (pattern[pos++] - '0'), kMaxWidth + 1);
    }
    if (value > kMaxWidth) {
        FailPattern(pattern.substr(start, pos - start));
    }
    return value;
}

// Reads the conversion whose "%" stands at `start`; `pos` ends after it.
TConversion ReadConversion(std::string_view pattern, std::size_t start, std::size_t& pos) {
    TConversion conversion;
    pos = start + 1;
    if (pos < pattern.size() && pattern[pos] == '-') {
        conversion.LeftJustify = true;
        ++pos;
    }
    conversion.Width = ReadNumber(pattern, pos, start);
    if (pos < pattern.size() && pattern[pos] == '.') {
        ++pos;
        conversion.Precision = std::max(ReadNumber(pattern, pos, start), 0);
    }
    if (pos >= pattern.size()) {
        FailPattern(pattern.substr(start));
    }
    const char letter = pattern[pos++];
    conversion.Letter = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter + 32) : letter;
    conversion.Text = pattern.substr(start, pos - start);
    return conversion;
}

std::string UnsignedText(std::uint64_t value, int base, int minDigits) {
    std::array<char, 64> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), value, base).ptr;
    std::string digits(buf.data(), end);
    for (char& c : digits) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    if (static_cast<int>(digits.size()) < minDigits) {
        digits.insert(0, minDigits - digits.size(), '0');
    }
    return digits;
}

// The argument as a T; missing, or of another kind, is an error. Integers pass
// as floats: an integer never loses its meaning there.
template <class T> T ArgOf(const TConversion& conversion, const FormatArg* arg) {
    if (arg == nullptr) {
        FailArgument(conversion, true);
    }
    if (const auto* value = std::get_if<T>(&arg->value())) {
        return *value;
    }
    if constexpr (std::is_same_v<T, double>) {
        if (const auto* value = std::get_if<std::int64_t>(&arg->value())) {
            return static_cast<double>(*value);
        }
    }
    FailArgument(conversion, false);
}

int PrecisionOr(const TConversion& conversion, int def) {
    return conversion.Precision < 0 ? def : conversion.Precision;
}

// The argument (null when the list has run out) converted, before padding.
std::string Convert(const TConversion& conversion, const FormatArg* arg,
                    const TFormatSettings& settings) {
    const char mark = settings.DecimalSeparator;
    const int minDigits = PrecisionOr(conversion, 0);
    switch (conversion.Letter) {
    case 'd': {
        const std::int64_t value = ArgOf<std::int64_t>(conversion, arg);
        const std::uint64_t magnitude =
            value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        std::string text(value < 0 ? 1 : 0, '-');
        return text += UnsignedText(magnitude, 10, minDigits);
    }
    case 'u':
        return UnsignedText(static_cast<std::uint64_t>(ArgOf<std::int64_t>(conversion, arg)), 10,
                            minDigits);
    case 'x':
        return UnsignedText(static_cast<std::uint64_t>(ArgOf<std::int64_t>(conversion, arg)), 16,
                            minDigits);
    case 's': {
        const std::string_view text = ArgOf<std::string_view>(conversion, arg);
        return std::string(conversion.Precision < 0 ? text : text.substr(0, conversion.Precision));
    }
    case 'f':
        return FixedText(ArgOf<double>(conversion, arg), PrecisionOr(conversion, 2), mark, '\0');
    case 'n':
        return FixedText(ArgOf<double>(conversion, arg), PrecisionOr(conversion, 2), mark,
                         settings.ThousandSeparator);
    case 'm':
        return FixedText(ArgOf<double>(conversion, arg),
                         PrecisionOr(conversion, settings.CurrencyDecimals), mark,
                         settings.ThousandSeparator) +
               " " + settings.CurrencyString;
    case 'e':
        return ExponentText(ArgOf<double>(conversion, arg), PrecisionOr(conversion, 15), mark);
    case 'g':
        return GeneralText(ArgOf<double>(conversion, arg), PrecisionOr(conversion, 15), mark);
    default:
        FailPattern(conversion.Text);
    }
}

} // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const TFormatSettings& settings) {
    std::string out;
    out.reserve(pattern.size());
    const FormatArg* nextArg = args.begin();
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const std::size_t percent = pattern.find('%', pos);
        out.append(pattern.substr(pos, percent - pos));
        if (percent == std::string_view::npos) {
            break;
        }
        if (percent + 1 < pattern.size() && pattern[percent + 1] == '%') {
            out += '%';
            pos = percent + 2;
            continue;
        }
        const TConversion conversion = ReadConversion(pattern, percent, pos);
        const FormatArg* arg = nextArg == args.end() ? nullptr : nextArg++;
        std::string text = Convert(conversion, arg, settings);
        if (conversion.Width > static_cast<int>(text.size())) {
            const std::size_t fill = conversion.Width - text.size();
            text.insert(conversion.LeftJustify ? text.size() : 0, fill, ' ');
        }
        out += text;
    }
    return out;
}
