#pragma once
// The field types a table file knows, their type names and how their values
// are held in memory.
#include <optional>
#include <string_view>

enum class TFieldType {
    Int8,        // i1
    Int16,       // i2
    Integer,     // i4
    Int64,       // i8
    UInt8,       // ui1
    UInt16,      // ui2
    UInt32,      // ui4
    AutoInc,     // i4, SUBTYPE Autoinc
    Boolean,     // boolean
    Float,       // r8
    Currency,    // r8, SUBTYPE Money
    Fixed,       // fixed (decimal text)
    FixedFmt,    // fixedFMT
    Date,        // date
    Time,        // time
    DateTime,    // dateTime
    SqlDateTime, // SQLdateTime
    String,      // string
    WideString,  // string.uni
    Bytes,       // bin.hex
    Nested,      // nested (not held by this store)
};

// How values of a type live in memory.
enum class TValueKind { Integer, Boolean, Float, DateTime, Text, Nested };

TValueKind ValueKindOf(TFieldType type);

// The "fieldtype" name written for the type.
std::string_view FieldTypeName(TFieldType type);

// The type of a "fieldtype" name and a SUBTYPE property (which picks out
// AutoInc and Currency); nothing for an unknown name.
std::optional<TFieldType> FieldTypeFromName(std::string_view name, std::string_view subtype);

// The SUBTYPE property a type implies ("Autoinc", "Money"), or empty.
std::string_view ImpliedSubtype(TFieldType type);

// The range of an integer type's values.
struct TIntRange {
    long long Min, Max;
};
TIntRange IntRangeOf(TFieldType type);
