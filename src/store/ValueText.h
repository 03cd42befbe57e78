#pragma once
// The value text of a field in a ROW attribute, before escaping: decimal
// integers, "TRUE"/"FALSE", floats with "." and at most 16 significant
// digits, dates as yyyymmdd with "Thh:mm:" and milliseconds of the minute
// when the time is not midnight, and texts as they are.
#include "store/FieldDef.h"
#include "store/Value.h"

#include <string>
#include <string_view>

// Appends the value text of a value that is not empty.
void AppendValueText(std::string& out, TFieldType type, const TValue& value);

// Reads a value text. Accepts besides what AppendValueText writes: "+" signs,
// floats with a trailing point or in exponent form, dates with the seconds
// as two digits (optionally with a fraction), "1"/"0" for booleans.
// False when the text is no value of the type. A text value points into the
// text read.
bool ParseValueText(TFieldType type, std::string_view text, TValue& out);
