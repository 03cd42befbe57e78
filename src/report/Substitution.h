#pragma once
// Placeholders in cell and text values: "{name}" or "{name:format}" runs to
// the next "}" (or the end of the text) and is replaced by the variable,
// formatted by the format:
//     "#..."                 a date-time by the pattern after the first character
//     with "f", "n" or "g"   FormatPadded("%" + format) of the value as a float
//     with "d", "x" or "X"   FormatPadded("%" + format) of the value truncated to
//                            a 64-bit integer (clamped to its range)
//     anything else          nothing
// so a format such as ".2f руб." writes its unit after the number. "{{"
// copies one "{" and looks at the second in turn. Numbers that are not
// numbers read as 0; a date outside the years 1 to 9999 reads as 0 too.
// Substituted values are not scanned again.
#include "report/ExpressionEvaluator.h"

#include <string>
#include <string_view>

// The text with every placeholder replaced through the lookup.
std::string SubstituteVariables(std::string_view text, const TVariableLookup& lookup);
