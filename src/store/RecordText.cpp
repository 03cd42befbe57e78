#include "store/RecordText.h"

#include "store/FieldValue.h"

namespace {

std::string FieldText(const TTable& table, std::size_t row, int field) {
    return ValueAsString(table.FieldDefs()[field], table.Row(row)[field]);
}

} // namespace

TRecordText::TRecordText(const TTable* table, const char* field)
    : table_(table), field_(table ? table->FieldIndexOrThrow(field) : 0) {}

std::string TRecordText::operator()(std::int64_t id) const {
    const auto row = table_ ? table_->FindRow(id) : std::nullopt;
    if (!row) {
        return {};
    }
    return FieldText(*table_, *row, field_);
}

TRecordFields::TRecordFields(const TTable& table, std::int64_t id)
    : table_(table), row_(table.FindRow(id)) {}

std::string TRecordFields::operator[](const char* field) const {
    const int index = table_.FieldIndexOrThrow(field);
    return row_ ? FieldText(table_, *row_, index) : std::string();
}
