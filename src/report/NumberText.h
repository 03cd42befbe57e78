#pragma once
// Numbers as template variables carry them: text in the program's
// conventions (decimal comma). Text that is no number reads as 0; a result
// that leaves the range of a float or of a 64-bit integer raises EAppError
// instead of becoming an infinite or wrapped value.
#include <cstdint>
#include <string>
#include <string_view>

// The text as a number; 0 when it is not one or is not finite ("1e999").
double ReadNumber(std::string_view text);

// The general format "%g" with the decimal comma; raises on a non-finite value.
std::string NumberToText(double value);

// A float already rounded as wanted, as a 64-bit integer; raises when out of range.
std::int64_t ToInt64Checked(double value);

// Decimal digits of the integer, with a leading "-" for negatives.
std::string IntToText(std::int64_t value);
