#include "text/Money.h"

#include "text/CharClass.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::uint64_t kMaxMagnitude = std::numeric_limits<Money>::max();

// `value` divided by `divisor`, rounded half up (away from zero for the
// magnitudes it is given).
std::uint64_t DivideHalfUp(std::uint64_t value, std::uint64_t divisor) {
    const std::uint64_t quotient = value / divisor;
    const std::uint64_t rest = value % divisor;
    return rest >= divisor - rest ? quotient + 1 : quotient; // compared without overflow
}

std::string Digits(std::uint64_t value) {
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + value % 10));
        value /= 10;
    } while (value != 0);
    return text;
}

} // namespace

std::optional<Money> TextToMoney(std::string_view text, const TFormatSettings& settings) {
    text = TrimBlanks(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    // Whole roubles first; beyond the range they stop being a number.
    constexpr std::uint64_t kMaxWhole = kMaxMagnitude / kMoneyScale + 1;
    std::uint64_t whole = 0;
    std::size_t digits = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
        whole = whole * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (whole > kMaxWhole) {
            return std::nullopt;
        }
    }
    // Four decimals exactly, then a fifth and "anything after it" for rounding.
    std::uint64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (pos < text.size() && (text[pos] == settings.DecimalSeparator || text[pos] == '.')) {
        bool beyondHalf = false;
        int roundDigit = -1;
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
            const int digit = text[pos] - '0';
            if (fractionDigits < 4) {
                fraction = fraction * 10 + static_cast<std::uint64_t>(digit);
                ++fractionDigits;
            } else if (roundDigit < 0) {
                roundDigit = digit;
            } else if (digit != 0) {
                beyondHalf = true;
            }
        }
        for (; fractionDigits < 4; ++fractionDigits) {
            fraction *= 10;
        }
        roundUp = roundDigit > 5 || (roundDigit == 5 && (beyondHalf || fraction % 2 == 1));
    }
    if (digits == 0 || pos != text.size()) {
        return std::nullopt;
    }
    const std::uint64_t magnitude =
        whole * static_cast<std::uint64_t>(kMoneyScale) + fraction + (roundUp ? 1 : 0);
    if (magnitude > kMaxMagnitude + (negative ? 1 : 0)) {
        return std::nullopt;
    }
    return static_cast<Money>(negative ? 0 - magnitude : magnitude);
}

std::string MoneyToText(Money amount, int decimals, bool grouped, const TFormatSettings& settings) {
    decimals = std::clamp(decimals, 0, 4);
    std::uint64_t divisor = 1;
    for (int i = decimals; i < 4; ++i) {
        divisor *= 10;
    }
    const std::uint64_t magnitude =
        amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    const std::uint64_t rounded = DivideHalfUp(magnitude, divisor);
    const std::uint64_t fractionScale = kMoneyScale / divisor;
    const std::string whole = Digits(rounded / fractionScale);
    std::string text = amount < 0 && rounded != 0 ? "-" : "";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (grouped && settings.ThousandSeparator != '\0' && i > 0 && (whole.size() - i) % 3 == 0) {
            text += settings.ThousandSeparator;
        }
        text += whole[i];
    }
    if (decimals > 0) {
        text += settings.DecimalSeparator;
        const std::string fraction = Digits(rounded % fractionScale);
        text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

Money MoneyFromDouble(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 is exact as a double; anything at or beyond it saturates.
    constexpr double kLimit = 9223372036854775808.0;
    const double units = std::nearbyint(value * static_cast<double>(kMoneyScale));
    if (units >= kLimit) {
        return std::numeric_limits<Money>::max();
    }
    if (units <= -kLimit) {
        return std::numeric_limits<Money>::min();
    }
    return static_cast<Money>(units);
}

double MoneyToDouble(Money amount) {
    return static_cast<double>(amount) / static_cast<double>(kMoneyScale);
}
