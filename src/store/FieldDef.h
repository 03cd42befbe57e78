#pragma once
// The definition of one field of a table: what a new table is created from
// and what a table file's FIELD element holds.
#include "store/FieldType.h"

#include <string>
#include <utility>
#include <vector>

struct TFieldDef {
    std::string Name;
    TFieldType Type = TFieldType::String;
    int Size = 0; // characters of a string field; 0 for other types
    bool Required = false;
    bool ReadOnly = false;
    bool Hidden = false;
    bool LinkField = false;
    // Further field properties of the file (DECIMALS, another SUBTYPE ...), in file order.
    std::vector<std::pair<std::string, std::string>> Properties;
};

// A field definition of a name, type and size, with no flags or properties.
inline TFieldDef MakeFieldDef(std::string name, TFieldType type, int size = 0) {
    TFieldDef def;
    def.Name = std::move(name);
    def.Type = type;
    def.Size = size;
    return def;
}

// The longest field name a table file can hold.
inline constexpr int kMaxFieldNameLength = 31;
