#include "store/RecordFields.h"

#include "store/FieldValue.h"

TRecordFields::TRecordFields(const TTable& table, std::int64_t id)
    : table_(table), row_(table.FindRow(id)) {}

std::string TRecordFields::operator[](const char* field) const {
    const int index = table_.FieldIndexOrThrow(field);
    if (!row_) {
        return {};
    }
    return ValueAsString(table_.FieldDefs()[index], table_.Row(*row_)[index]);
}
