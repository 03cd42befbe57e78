#include "store/RecordText.h"

#include "store/FieldValue.h"

TRecordText::TRecordText(const TTable* table, const char* field)
    : table_(table), field_(table ? table->FieldIndexOrThrow(field) : 0) {}

std::string TRecordText::operator()(std::int64_t id) const {
    const auto row = table_ ? table_->FindRow(id) : std::nullopt;
    if (!row) {
        return {};
    }
    return ValueAsString(table_->FieldDefs()[field_], table_->Row(*row)[field_]);
}
