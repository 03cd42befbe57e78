#include "reference/ReferenceRecords.h"

std::vector<std::string> RecordTexts(TTable& table, std::int64_t id,
                                     std::span<const char* const> fields) {
    std::vector<std::string> texts(fields.size());
    if (id <= 0 || !table.Locate(id)) {
        return texts;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        texts[i] = table.FieldByName(fields[i]).AsString();
    }
    return texts;
}

void TEditedRecord::Start(std::int64_t id) {
    id_ = id;
    appended_ = 0;
}

std::optional<std::int64_t> TEditedRecord::Write(TTable& table, std::span<const TFieldText> texts) {
    if (id_ != 0) {
        if (!table.Locate(id_)) {
            return std::nullopt;
        }
        table.Edit();
    } else if (appended_ != 0 && table.Locate(appended_)) {
        table.Edit();
    } else {
        table.Append();
    }
    for (const TFieldText& text : texts) {
        table.FieldByName(text.Field).SetString(text.Text);
    }
    table.Post();
    const std::int64_t written = table.FieldByName("ID").AsInteger();
    if (id_ == 0) {
        appended_ = written;
    }
    return written;
}

bool MarkDeleted(TTable& table, std::int64_t id) {
    if (!table.Locate(id)) {
        return false;
    }
    table.Edit();
    table.FieldByName("Deleted").SetInteger(1);
    table.Post();
    return true;
}

void SaveReferenceTables(TStore& store) {
    if (!store.Failure(TStoreTable::Firms)) {
        store.SaveFirms();
    }
    if (!store.Failure(TStoreTable::Banks)) {
        store.SaveBanks();
    }
}
