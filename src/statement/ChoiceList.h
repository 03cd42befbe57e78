#pragma once
// The items of the editor's drop-down lists of firms or banks: every record
// not marked deleted, in table order, each with its ID. Selection is by ID;
// 0 means nothing is selected.
#include "store/Table.h"

#include <cstdint>
#include <string>
#include <vector>

struct TChoiceItem {
    std::int64_t ID = 0;
    std::string Name;

    friend bool operator==(const TChoiceItem&, const TChoiceItem&) = default;
};

using TChoiceItems = std::vector<TChoiceItem>;

// The records of a firms or banks table whose "Deleted" is 0.
TChoiceItems BuildChoiceItems(const TTable& table);

// `id` when an item carries it, else 0 (no selection).
std::int64_t SelectableID(const TChoiceItems& items, std::int64_t id);

// The position of the item carrying `id`, or -1.
int ChoiceIndex(const TChoiceItems& items, std::int64_t id);
