#include "statement/ChoiceList.h"

#include "store/FieldValue.h"

TChoiceItems BuildChoiceItems(const TTable& table) {
    const int id = table.FieldIndexOrThrow("ID");
    const int deleted = table.FieldIndexOrThrow("Deleted");
    const int name = table.FieldIndexOrThrow("Name");
    const auto& defs = table.FieldDefs();
    TChoiceItems items;
    for (std::size_t row = 0; row < table.RecordCount(); ++row) {
        const TRowView values = table.Row(row);
        if (ValueAsInteger(defs[deleted], values[deleted]) != 0) {
            continue;
        }
        items.push_back(
            {ValueAsInteger(defs[id], values[id]), ValueAsString(defs[name], values[name])});
    }
    return items;
}

std::int64_t SelectableID(const TChoiceItems& items, std::int64_t id) {
    return ChoiceIndex(items, id) >= 0 ? id : 0;
}

int ChoiceIndex(const TChoiceItems& items, std::int64_t id) {
    if (id == 0) {
        return -1;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].ID == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
