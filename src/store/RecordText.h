#pragma once
// One field of the record with a given ID, as text: how the main list, the
// print variables and the register find the names and numbers of firms and
// banks. Records marked deleted are found too; an unknown ID gives the empty
// text, and so does every ID when there is no table (one that could not be
// read). The field is found once, so looking up many records costs one
// index search each.
#include "store/Table.h"

#include <cstdint>
#include <string>

class TRecordText {
public:
    // Raises "Field '%s' not found" when the table has no such field.
    TRecordText(const TTable* table, const char* field);

    std::string operator()(std::int64_t id) const;

private:
    const TTable* table_;
    int field_;
};
