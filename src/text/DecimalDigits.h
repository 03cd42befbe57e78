#pragma once
// Exact decimal digits of a double, and the three classic ways of writing them
// (fixed, general, exponent). Every rounding here is decimal, half away from
// zero, on the exact expansion of the binary value, as the run-time library
// of the program's origins rounds: 0.125 to two places is 0.13, 2.675 (really
// 2.67499999...) is 2.67. Internal to the text library.
#include <string>

// value = ±0.Digits × 10^Exponent; Digits has no leading or trailing zeros and
// is empty for zero.
struct TDecimalDigits {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

// The exact digits of a finite value.
TDecimalDigits ExactDecimal(double value);

// Keeps `count` (>= 0) significant digits; the rest rounds the last one kept.
void RoundSignificant(TDecimalDigits& number, int count);

// Keeps `decimals` (>= 0) digits after the decimal point.
void RoundDecimals(TDecimalDigits& number, int decimals);

// Fixed notation with exactly `decimals` decimals; digits of the whole part are
// grouped by threes with `thousands` unless it is '\0'. Zero has no sign.
std::string FixedText(double value, int decimals, char mark, char thousands);

// General notation with `precision` significant digits, trailing zeros dropped;
// exponent form ("1E20", "1,5E-10") when the value needs more whole digits
// than the precision or is below 0.0001.
std::string GeneralText(double value, int precision, char mark);

// Exponent notation "d,ddd...E+ddd" with `precision` digits in all.
std::string ExponentText(double value, int precision, char mark);
