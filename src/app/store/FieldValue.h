#pragma once
// Typed reading and writing of one field's value in memory: the conversions
// behind TFieldRef. An empty value reads as 0, the empty text or 0.0; an
// empty text written is an empty value; a text longer than a string field's
// width is cut to the width.
#include "app/store/FieldDef.h"
#include "app/store/Table.h"

#include <cstdint>
#include <string>
#include <string_view>

std::int64_t ValueAsInteger(const TFieldDef& def, const TValue& value);
std::string ValueAsString(const TFieldDef& def, const TValue& value);
double ValueAsFloat(const TFieldDef& def, const TValue& value);

TValue ValueFromInteger(const TFieldDef& def, std::int64_t value);
TValue ValueFromString(const TFieldDef& def, std::string_view value);
TValue ValueFromFloat(const TFieldDef& def, double value);
// A value of another field (or of a file) converted to this field's kind.
TValue ValueForField(const TFieldDef& def, const TValue& value);
