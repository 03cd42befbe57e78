#pragma once
// Changes the reference book windows make to the firms and banks tables:
// writing an edited record, marking one deleted, and the saves after them.
#include "store/Store.h"
#include "store/Table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The text of one string field of a record.
struct TFieldText {
    const char* Field;
    std::string Text;
};

// The texts of the named fields of the record with this ID; empty texts when
// there is no such record (or id is 0).
std::vector<std::string> RecordTexts(TTable& table, std::int64_t id,
                                     std::span<const char* const> fields);

// The record an editor writes to during one showing. A new record is
// appended on the first write only: when the save after it fails and the
// user presses OK again, the same record is written again, never a second one.
class TEditedRecord {
public:
    // Starts a showing for this ID (0 = a new record).
    void Start(std::int64_t id);
    std::int64_t ID() const { return id_; }
    // Stores the texts (cut to the fields' widths) and posts the record.
    // Returns the record's ID, or nothing when the record being edited is no
    // longer in the table.
    std::optional<std::int64_t> Write(TTable& table, std::span<const TFieldText> texts);

private:
    std::int64_t id_ = 0;
    std::int64_t appended_ = 0; // the new record appended during this showing
};

// Marks the record deleted (it stays in the table); false when there is none.
bool MarkDeleted(TTable& table, std::int64_t id);

// Saves the firms and the banks, in that order, after a record of either was
// marked deleted. A table whose file could not be loaded is left alone: it
// did not change, and its file is never overwritten.
void SaveReferenceTables(TStore& store);
