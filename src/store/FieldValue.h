#pragma once
// Typed reading and writing of one field's value in memory: the conversions
// behind TFieldRef. An empty value reads as 0, the empty text or 0.0; an
// empty text written is an empty value; a text longer than a string field's
// width is cut to the width.
#include "store/FieldDef.h"
#include "store/Value.h"

#include <cstdint>
#include <string>
#include <string_view>

std::int64_t ValueAsInteger(const TFieldDef& def, const TValue& value);
std::string ValueAsString(const TFieldDef& def, const TValue& value);
double ValueAsFloat(const TFieldDef& def, const TValue& value);

TOwnedValue ValueFromInteger(const TFieldDef& def, std::int64_t value);
TOwnedValue ValueFromString(const TFieldDef& def, std::string_view value);
TOwnedValue ValueFromFloat(const TFieldDef& def, double value);
// A value of another field (or of a file) converted to this field's kind.
TOwnedValue ValueForField(const TFieldDef& def, const TValue& value);
