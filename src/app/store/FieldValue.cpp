#include "app/store/FieldValue.h"

#include "app/store/StoreError.h"
#include "text/Format.h"
#include "text/Numbers.h"

#include <cmath>

namespace {

std::string IntegerText(std::int64_t value) {
    return Format("%d", {static_cast<long long>(value)});
}

void CheckRange(const TFieldDef& def, std::int64_t value) {
    const TIntRange range = IntRangeOf(def.Type);
    if (value < range.Min || value > range.Max) {
        throw EConvertError(
            Format("%s is not a valid value for field '%s'. The allowed range is %s to %s",
                   {IntegerText(value), def.Name, IntegerText(range.Min), IntegerText(range.Max)}));
    }
}

std::int64_t RoundToInteger(const TFieldDef& def, double value) {
    if (!std::isfinite(value) || std::fabs(value) > 9.2e18) {
        throw EConvertError(
            Format("%s is not a valid value for field '%s'", {FloatToText(value), def.Name}));
    }
    return std::llround(value);
}

// Date-times run from 1 January 0001 to 31 December 9999.
constexpr double kMinDateTime = -693593.0;
constexpr double kMaxDateTime = 2958466.0;

double CheckFinite(const TFieldDef& def, double value) {
    const bool isDate = ValueKindOf(def.Type) == TValueKind::DateTime;
    if (!std::isfinite(value) || (isDate && (value < kMinDateTime || value >= kMaxDateTime))) {
        throw EConvertError(
            Format("%s is not a valid value for field '%s'", {FloatToText(value), def.Name}));
    }
    return value;
}

std::string CutToWidth(const TFieldDef& def, std::string_view text) {
    const bool cut = (def.Type == TFieldType::String || def.Type == TFieldType::WideString) &&
                     def.Size > 0 && text.size() > static_cast<std::size_t>(def.Size);
    return std::string(cut ? text.substr(0, def.Size) : text);
}

} // namespace

std::int64_t ValueAsInteger(const TFieldDef& def, const TValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return *i;
    }
    if (const auto* f = std::get_if<double>(&value)) {
        return RoundToInteger(def, *f);
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (const auto parsed = TextToInt(*s)) {
            return *parsed;
        }
        throw EConvertError(Format("'%s' is not a valid integer value", {*s}));
    }
    return 0;
}

std::string ValueAsString(const TFieldDef& def, const TValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        if (ValueKindOf(def.Type) == TValueKind::Boolean) {
            return *i != 0 ? "True" : "False";
        }
        return IntegerText(*i);
    }
    if (const auto* f = std::get_if<double>(&value)) {
        if (ValueKindOf(def.Type) == TValueKind::DateTime) {
            return FormatDateTime({}, *f);
        }
        return FloatToText(*f);
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        return *s;
    }
    return {};
}

double ValueAsFloat(const TFieldDef&, const TValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return static_cast<double>(*i);
    }
    if (const auto* f = std::get_if<double>(&value)) {
        return *f;
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (const auto parsed = TextToFloat(*s)) {
            return *parsed;
        }
        throw EConvertError(Format("'%s' is not a valid floating point value", {*s}));
    }
    return 0.0;
}

TValue ValueFromInteger(const TFieldDef& def, std::int64_t value) {
    switch (ValueKindOf(def.Type)) {
    case TValueKind::Integer:
        CheckRange(def, value);
        return value;
    case TValueKind::Boolean:
        return static_cast<std::int64_t>(value != 0);
    case TValueKind::Float:
    case TValueKind::DateTime:
        return static_cast<double>(value);
    case TValueKind::Text:
        return CutToWidth(def, IntegerText(value));
    case TValueKind::Nested:
        break;
    }
    throw EConvertError(Format("Field '%s' cannot hold a value", {def.Name}));
}

TValue ValueFromString(const TFieldDef& def, std::string_view value) {
    if (value.empty()) {
        return {};
    }
    switch (ValueKindOf(def.Type)) {
    case TValueKind::Integer:
    case TValueKind::Boolean:
        if (const auto parsed = TextToInt(value)) {
            return ValueFromInteger(def, *parsed);
        }
        throw EConvertError(Format("'%s' is not a valid integer value", {value}));
    case TValueKind::Float:
        if (const auto parsed = TextToFloat(value)) {
            return CheckFinite(def, *parsed);
        }
        throw EConvertError(Format("'%s' is not a valid floating point value", {value}));
    case TValueKind::DateTime:
        throw EConvertError(Format("'%s' is not a valid date and time", {value}));
    case TValueKind::Text:
        return CutToWidth(def, value);
    case TValueKind::Nested:
        break;
    }
    throw EConvertError(Format("Field '%s' cannot hold a value", {def.Name}));
}

TValue ValueFromFloat(const TFieldDef& def, double value) {
    switch (ValueKindOf(def.Type)) {
    case TValueKind::Integer:
    case TValueKind::Boolean:
        return ValueFromInteger(def, RoundToInteger(def, value));
    case TValueKind::Float:
    case TValueKind::DateTime:
        return CheckFinite(def, value);
    case TValueKind::Text:
        return CutToWidth(def, FloatToText(CheckFinite(def, value)));
    case TValueKind::Nested:
        break;
    }
    throw EConvertError(Format("Field '%s' cannot hold a value", {def.Name}));
}

TValue ValueForField(const TFieldDef& def, const TValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return ValueFromInteger(def, *i);
    }
    if (const auto* f = std::get_if<double>(&value)) {
        return ValueFromFloat(def, *f);
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        return ValueFromString(def, *s);
    }
    return {};
}
