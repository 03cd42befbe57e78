#pragma once
// Fields of records found by ID, as text, the two ways the program reads
// them. Records marked deleted are found too; an unknown ID gives empty texts.
#include "store/Table.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// One field of many records: how the main list, the print variables and the
// register find the names and numbers of firms and banks. Every ID gives the
// empty text when there is no table (one that could not be read). The field
// is found once, so looking up many records costs one index search each.

class TRecordText {
public:
    // Raises "Field '%s' not found" when the table has no such field.
    TRecordText(const TTable* table, const char* field);

    std::string operator()(std::int64_t id) const;

private:
    const TTable* table_;
    int field_;
};

// Many fields of one record: how the bank-detail check reads a firm or bank.
class TRecordFields {
public:
    TRecordFields(const TTable& table, std::int64_t id);

    // Raises when the table has no such field.
    std::string operator[](const char* field) const;

private:
    const TTable& table_;
    std::optional<std::size_t> row_;
};
