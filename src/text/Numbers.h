#pragma once
// Reading numbers from text and writing them back, in the program's
// conventions (decimal comma). "Read as a number" and "read as an integer"
// in the program mean the functions here.
#include "text/FormatSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text to float, as the run-time library's float conversion reads it:
// optional blanks around, sign, digits with the settings' decimal separator,
// optional exponent. Nothing else may stand in the text; a value beyond the
// range of a double is not a number either.
std::optional<double> TextToFloat(std::string_view text,
                                  const TFormatSettings& settings = AppFormatSettings());

// TextToFloat, or def when the text is not a number.
double TextToFloatDef(std::string_view text, double def,
                      const TFormatSettings& settings = AppFormatSettings());

// Text to a 64-bit integer: optional blanks around, sign, decimal digits, or
// "$"/"0x" followed by hexadecimal digits. Out of range is not a number; up to
// 16 hexadecimal digits are the 64-bit pattern ("$FFFFFFFFFFFFFFFF" is -1).
std::optional<std::int64_t> TextToInt(std::string_view text);

// TextToInt, or def when the text is not an integer.
std::int64_t TextToIntDef(std::string_view text, std::int64_t def);

// The general format "%g": up to 15 significant digits, no trailing zeros,
// exponent form ("1E20", "1E-10") for more than 15 whole digits or below
// 0.0001; "NAN", "INF", "-INF" for values that are no number. Rounding is
// decimal, half away from zero, on the exact value of the double.
std::string FloatToText(double value, const TFormatSettings& settings = AppFormatSettings());

// Fixed notation with exactly `decimals` (>= 0) decimals and the given
// decimal mark; digits grouped by threes with `thousandSeparator` unless it
// is '\0'. Rounds half away from zero on the exact value ("%.2f", "%.2n").
std::string FloatToFixed(double value, int decimals, char decimalMark,
                         char thousandSeparator = '\0');

// Lenient hexadecimal: every character is a digit, non-digits count 0; wraps.
std::int32_t HexToInt(std::string_view text);
