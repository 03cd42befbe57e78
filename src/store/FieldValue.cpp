#include "store/FieldValue.h"

#include "store/StoreError.h"
#include "text/DateTime.h"
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
    switch (value.Kind()) {
    case TValue::TKind::Integer:
        return value.Integer();
    case TValue::TKind::Float:
        return RoundToInteger(def, value.Float());
    case TValue::TKind::Text:
        if (const auto parsed = TextToInt(value.Text())) {
            return *parsed;
        }
        throw EConvertError(Format("'%s' is not a valid integer value", {value.Text()}));
    case TValue::TKind::Empty:
        break;
    }
    return 0;
}

std::string ValueAsString(const TFieldDef& def, const TValue& value) {
    switch (value.Kind()) {
    case TValue::TKind::Integer:
        if (ValueKindOf(def.Type) == TValueKind::Boolean) {
            return value.Integer() != 0 ? "True" : "False";
        }
        return IntegerText(value.Integer());
    case TValue::TKind::Float:
        if (ValueKindOf(def.Type) == TValueKind::DateTime) {
            return FormatDateTime({}, value.Float());
        }
        return FloatToText(value.Float());
    case TValue::TKind::Text:
        return std::string(value.Text());
    case TValue::TKind::Empty:
        break;
    }
    return {};
}

double ValueAsFloat(const TFieldDef&, const TValue& value) {
    switch (value.Kind()) {
    case TValue::TKind::Integer:
        return static_cast<double>(value.Integer());
    case TValue::TKind::Float:
        return value.Float();
    case TValue::TKind::Text:
        if (const auto parsed = TextToFloat(value.Text())) {
            return *parsed;
        }
        throw EConvertError(Format("'%s' is not a valid floating point value", {value.Text()}));
    case TValue::TKind::Empty:
        break;
    }
    return 0.0;
}

TOwnedValue ValueFromInteger(const TFieldDef& def, std::int64_t value) {
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

TOwnedValue ValueFromString(const TFieldDef& def, std::string_view value) {
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

TOwnedValue ValueFromFloat(const TFieldDef& def, double value) {
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

TOwnedValue ValueForField(const TFieldDef& def, const TValue& value) {
    switch (value.Kind()) {
    case TValue::TKind::Integer:
        return ValueFromInteger(def, value.Integer());
    case TValue::TKind::Float:
        return ValueFromFloat(def, value.Float());
    case TValue::TKind::Text:
        return ValueFromString(def, value.Text());
    case TValue::TKind::Empty:
        break;
    }
    return {};
}
