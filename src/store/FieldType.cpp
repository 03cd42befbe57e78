#include "store/FieldType.h"
#include "store/LatinCase.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

struct TTypeInfo {
    TFieldType Type;
    std::string_view Name;
    std::string_view Subtype;
    TValueKind Kind;
};

// Types with an implied subtype come before the plain type of the same name.
constexpr std::array<TTypeInfo, 21> kTypes = {{
    {TFieldType::AutoInc, "i4", "Autoinc", TValueKind::Integer},
    {TFieldType::Currency, "r8", "Money", TValueKind::Float},
    {TFieldType::Int8, "i1", "", TValueKind::Integer},
    {TFieldType::Int16, "i2", "", TValueKind::Integer},
    {TFieldType::Integer, "i4", "", TValueKind::Integer},
    {TFieldType::Int64, "i8", "", TValueKind::Integer},
    {TFieldType::UInt8, "ui1", "", TValueKind::Integer},
    {TFieldType::UInt16, "ui2", "", TValueKind::Integer},
    {TFieldType::UInt32, "ui4", "", TValueKind::Integer},
    {TFieldType::Boolean, "boolean", "", TValueKind::Boolean},
    {TFieldType::Float, "r8", "", TValueKind::Float},
    {TFieldType::Fixed, "fixed", "", TValueKind::Text},
    {TFieldType::FixedFmt, "fixedFMT", "", TValueKind::Text},
    {TFieldType::Date, "date", "", TValueKind::DateTime},
    {TFieldType::Time, "time", "", TValueKind::DateTime},
    {TFieldType::DateTime, "dateTime", "", TValueKind::DateTime},
    {TFieldType::SqlDateTime, "SQLdateTime", "", TValueKind::DateTime},
    {TFieldType::String, "string", "", TValueKind::Text},
    {TFieldType::WideString, "string.uni", "", TValueKind::Text},
    {TFieldType::Bytes, "bin.hex", "", TValueKind::Text},
    {TFieldType::Nested, "nested", "", TValueKind::Nested},
}};

// The place of each type in kTypes, by the type's value: reading and writing
// a file look a type up for every value.
constexpr std::array<std::size_t, kTypes.size()> MakePlaces() {
    std::array<std::size_t, kTypes.size()> places{};
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        places[static_cast<std::size_t>(kTypes[i].Type)] = i;
    }
    return places;
}

constexpr std::array<std::size_t, kTypes.size()> kPlaces = MakePlaces();

const TTypeInfo& InfoOf(TFieldType type) {
    const auto index = static_cast<std::size_t>(type);
    return index < kPlaces.size() ? kTypes[kPlaces[index]] : kTypes[4];
}

} // namespace

TValueKind ValueKindOf(TFieldType type) {
    return InfoOf(type).Kind;
}

std::string_view FieldTypeName(TFieldType type) {
    return InfoOf(type).Name;
}

std::string_view ImpliedSubtype(TFieldType type) {
    return InfoOf(type).Subtype;
}

std::optional<TFieldType> FieldTypeFromName(std::string_view name, std::string_view subtype) {
    for (const auto& info : kTypes) {
        if (info.Name == name &&
            (info.Subtype.empty() || EqualLatinNoCase(info.Subtype, subtype))) {
            return info.Type;
        }
    }
    return std::nullopt;
}

TIntRange IntRangeOf(TFieldType type) {
    switch (type) {
    case TFieldType::Int8:
        return {-128, 127};
    case TFieldType::Int16:
        return {-32768, 32767};
    case TFieldType::UInt8:
        return {0, 255};
    case TFieldType::UInt16:
        return {0, 65535};
    case TFieldType::UInt32:
        return {0, 4294967295LL};
    case TFieldType::Int64:
        return {std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max()};
    default:
        return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    }
}
