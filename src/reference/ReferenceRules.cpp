#include "reference/ReferenceRules.h"

#include "store/FieldValue.h"
#include "text/Format.h"

#include <algorithm>

bool KeyTyped(TTextKind kind, char c) {
    switch (kind) {
    case TTextKind::Name:
        return c != '\'' && c != '<' && c != '>' && c != '^';
    case TTextKind::DigitsAndBlanks:
        return IsDigit(c) || c == ' ' || c == kBackspace;
    case TTextKind::Digits:
        break;
    }
    return IsDigit(c) || c == kBackspace;
}

std::string CleanedText(TTextKind kind, std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= ' ' && KeyTyped(kind, c)) {
            cleaned += c;
        }
    }
    return cleaned;
}

int FirstEmptyText(std::span<const std::string> texts) {
    const auto empty = std::find_if(texts.begin(), texts.end(),
                                    [](const std::string& text) { return text.empty(); });
    return empty == texts.end() ? -1 : static_cast<int>(empty - texts.begin());
}

std::string DeleteQuestion(std::string_view name) {
    return Format("Вы действительно хотите удалить \"%s\"?", {name});
}

std::vector<TListedRecord> ListedRecords(const TTable& table, std::int64_t defaultID) {
    const auto& defs = table.FieldDefs();
    const int id = table.FieldIndexOrThrow("ID");
    const int deleted = table.FieldIndexOrThrow("Deleted");
    const int name = table.FieldIndexOrThrow("Name");
    std::vector<TListedRecord> records;
    for (std::size_t i = 0; i < table.RecordCount(); ++i) {
        const TRowView row = table.Row(i);
        if (ValueAsInteger(defs[deleted], row[deleted]) != 0) {
            continue;
        }
        TListedRecord& record = records.emplace_back();
        record.ID = ValueAsInteger(defs[id], row[id]);
        record.Name = ValueAsString(defs[name], row[name]);
        record.Default = record.ID == defaultID;
    }
    return records;
}

int RowOfRecord(std::span<const TListedRecord> records, std::int64_t id) {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [id](const TListedRecord& record) { return record.ID == id; });
    return found == records.end() ? 1 : static_cast<int>(found - records.begin()) + 1;
}

TListClick DoubleClickAction(int column, int row, int rowCount, int slot, bool rowHasID) {
    if (row <= 0 || row >= rowCount || column < 0 || column > 2) {
        return TListClick::Nothing;
    }
    switch (column) {
    case 0:
        return rowHasID ? TListClick::Edit : TListClick::Nothing;
    case 1:
        return rowHasID ? TListClick::Choose : TListClick::Nothing;
    default:
        return slot > 0 ? TListClick::SetDefault : TListClick::Nothing;
    }
}
