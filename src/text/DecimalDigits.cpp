#include "text/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

// Largest whole part (309 digits), the point, and the fraction digits a
// subnormal needs to be exact (53 + 1074), with room to spare.
constexpr int kMaxFractionDigits = 53 + 1074;
constexpr std::size_t kBufferSize = 1600;

void StripTrailingZeros(TDecimalDigits& number) {
    const std::size_t last = number.Digits.find_last_not_of('0');
    number.Digits.erase(last == std::string::npos ? 0 : last + 1);
    if (number.Digits.empty()) {
        number.Negative = false;
        number.Exponent = 0;
    }
}

// Text of a value that is not finite; empty for a finite value.
std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    return {};
}

// Digit `index` of the number (0 = first significant), '0' beyond its end.
char DigitAt(const TDecimalDigits& number, int index) {
    return index >= 0 && index < static_cast<int>(number.Digits.size()) ? number.Digits[index]
                                                                        : '0';
}

std::string ExponentSuffix(int exponent, bool alwaysSign, int minDigits) {
    std::string text = "E";
    if (exponent < 0) {
        text += '-';
    } else if (alwaysSign) {
        text += '+';
    }
    std::array<char, 16> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), std::abs(exponent)).ptr;
    const std::string_view written(buf.data(), end - buf.data());
    text.append(std::max(0, minDigits - static_cast<int>(written.size())), '0');
    text += written;
    return text;
}

} // namespace

TDecimalDigits ExactDecimal(double value) {
    TDecimalDigits number;
    number.Negative = std::signbit(value);
    int binaryExponent = 0;
    std::frexp(value, &binaryExponent);
    const int fractionDigits = std::clamp(53 - binaryExponent, 0, kMaxFractionDigits);
    std::array<char, kBufferSize> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::fixed, fractionDigits)
                         .ptr;
    int wholeDigits = 0;
    bool inFraction = false;
    for (const char* p = buf.data(); p != end; ++p) {
        if (*p == '.') {
            inFraction = true;
            continue;
        }
        if (number.Digits.empty() && *p == '0') {
            if (inFraction) {
                --wholeDigits;
            }
            continue;
        }
        number.Digits += *p;
        if (!inFraction) {
            ++wholeDigits;
        }
    }
    number.Exponent = wholeDigits;
    StripTrailingZeros(number);
    return number;
}

void RoundSignificant(TDecimalDigits& number, int count) {
    count = std::max(count, 0);
    if (count >= static_cast<int>(number.Digits.size())) {
        return;
    }
    const bool up = number.Digits[count] >= '5';
    number.Digits.resize(count);
    if (up) {
        // Carry through trailing nines; all nines become "1" one place higher.
        while (!number.Digits.empty() && number.Digits.back() == '9') {
            number.Digits.pop_back();
        }
        if (number.Digits.empty()) {
            number.Digits.assign(1, '1');
            ++number.Exponent;
        } else {
            ++number.Digits.back();
        }
    }
    StripTrailingZeros(number);
}

void RoundDecimals(TDecimalDigits& number, int decimals) {
    const int count = number.Exponent + decimals;
    if (count < 0) {
        number.Digits.clear();
        StripTrailingZeros(number);
        return;
    }
    RoundSignificant(number, count);
}

std::string FixedText(double value, int decimals, char mark, char thousands) {
    if (std::string special = NonFiniteText(value); !special.empty()) {
        return special;
    }
    decimals = std::max(decimals, 0);
    TDecimalDigits number = ExactDecimal(value);
    RoundDecimals(number, decimals);
    std::string text = number.Negative ? "-" : "";
    const int whole = std::max(number.Exponent, 1);
    for (int i = 0; i < whole; ++i) {
        if (thousands != '\0' && i > 0 && (whole - i) % 3 == 0) {
            text += thousands;
        }
        text += DigitAt(number, i - (whole - number.Exponent));
    }
    if (decimals > 0) {
        text += mark;
        for (int i = 0; i < decimals; ++i) {
            text += DigitAt(number, number.Exponent + i);
        }
    }
    return text;
}

std::string GeneralText(double value, int precision, char mark) {
    if (std::string special = NonFiniteText(value); !special.empty()) {
        return special;
    }
    precision = std::max(precision, 1);
    TDecimalDigits number = ExactDecimal(value);
    RoundSignificant(number, precision);
    if (number.Digits.empty()) {
        return "0";
    }
    const int size = static_cast<int>(number.Digits.size());
    std::string text = number.Negative ? "-" : "";
    if (number.Exponent > precision || number.Exponent < -3) {
        text += number.Digits[0];
        if (size > 1) {
            text += mark;
            text.append(number.Digits, 1);
        }
        return text + ExponentSuffix(number.Exponent - 1, false, 0);
    }
    if (number.Exponent <= 0) {
        text += '0';
        text += mark;
        text.append(-number.Exponent, '0');
        return text + number.Digits;
    }
    for (int i = 0; i < number.Exponent; ++i) {
        text += DigitAt(number, i);
    }
    if (size > number.Exponent) {
        text += mark;
        text.append(number.Digits, number.Exponent);
    }
    return text;
}

std::string ExponentText(double value, int precision, char mark) {
    if (std::string special = NonFiniteText(value); !special.empty()) {
        return special;
    }
    precision = std::max(precision, 1);
    TDecimalDigits number = ExactDecimal(value);
    RoundSignificant(number, precision);
    std::string text = number.Negative ? "-" : "";
    text += DigitAt(number, 0);
    if (precision > 1) {
        text += mark;
        for (int i = 1; i < precision; ++i) {
            text += DigitAt(number, i);
        }
    }
    const int exponent = number.Digits.empty() ? 0 : number.Exponent - 1;
    return text + ExponentSuffix(exponent, true, 3);
}
