#pragma once
// Money: a signed 64-bit count of ten-thousandths of a rouble. Sums are added
// and compared exactly in this type; amounts are shown with two decimals.
#include "text/FormatSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using Money = std::int64_t;

// Units of Money in one rouble.
inline constexpr Money kMoneyScale = 10000;

// Exact reading of a decimal number ("12,34", "-5", "0,0001"; "." is accepted
// as the decimal mark too). More than four decimals round half to even; text
// that is no number, or out of range, gives nothing.
std::optional<Money> TextToMoney(std::string_view text,
                                 const TFormatSettings& settings = AppFormatSettings());

// The amount with `decimals` decimals (0 to 4; others are taken as the nearest
// of these), rounded half away from zero like every "%.2f" of the program
// (0,125 gives 0,13), with the settings' decimal separator and,
// when `grouped`, its thousands separator. "-" only when the rounded amount is
// not zero.
std::string MoneyToText(Money amount, int decimals = 2, bool grouped = false,
                        const TFormatSettings& settings = AppFormatSettings());

// A float rounded to the nearest ten-thousandth (half to even); saturates at
// the ends of the range; NaN gives 0.
Money MoneyFromDouble(double value);

// The amount as a float (for formatting through Format).
double MoneyToDouble(Money amount);
