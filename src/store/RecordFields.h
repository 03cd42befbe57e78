#pragma once
// The record of a table with an ID, read field by field as text; every
// field reads empty when no record has the ID.
#include "store/Table.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class TRecordFields {
public:
    TRecordFields(const TTable& table, std::int64_t id);

    // Raises when the table has no such field.
    std::string operator[](const char* field) const;

private:
    const TTable& table_;
    std::optional<std::size_t> row_;
};
