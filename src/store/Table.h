#pragma once
// An in-memory table: field definitions, properties and rows with typed
// values, a current row and an edit buffer. Field names are matched without
// regard to case; rows are found by their ID through an index, never by a walk.
//
// Posting is final: a post or a removal changes the rows at once, and the
// table only counts the changes since the last merge of the change log
// (ChangeCount), so a saved file never holds change states.
// An operation that needs the table at rest (navigation, append, edit,
// remove, merge, save) drops an edit that was begun and not posted, so a half
// filled record left by a failed action never reaches the file.
#include "store/FieldDef.h"
#include "store/TextStore.h"
#include "store/Value.h"
#include "text/DateTime.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using TRow = std::vector<TValue>;
// The values of one stored row, in field order.
using TRowView = std::span<const TValue>;

enum class TTableVariant { Utf8, SingleByte };

class TTable;

// One field of the current row (or of the edit buffer while editing).
class TFieldRef {
public:
    TFieldRef(TTable& table, int index) : table_(&table), index_(index) {}

    const TFieldDef& Def() const;
    bool IsNull() const;
    std::int64_t AsInteger() const;
    std::string AsString() const;
    double AsFloat() const;
    TDateTime AsDateTime() const;

    void SetInteger(std::int64_t value);
    void SetString(std::string_view value);
    void SetFloat(double value);
    void SetDateTime(TDateTime value);
    void SetValue(const TValue& value);
    void Clear();

private:
    TTable* table_;
    int index_;
};

class TTable;
// Fills an empty, closed table from the bytes of a table file (TableReader.h).
void ParseTable(std::string& bytes, std::string_view fileName, TTable& table);

class TTable {
public:
    // --- definitions and life cycle
    bool Active() const { return state_ != TState::Inactive; }
    // Drops the rows and closes the table; the field definitions stay.
    void Close();
    // Drops the field definitions and properties of a closed table.
    void ClearDefinitions();
    const std::vector<TFieldDef>& FieldDefs() const { return defs_; }
    // Adds a field definition to a closed table.
    void AddFieldDef(TFieldDef def);
    // Opens a closed table empty, on its field definitions.
    void CreateDataSet();

    // Table properties other than AUTOINCVALUE, in file order.
    std::vector<std::pair<std::string, std::string>>& Properties() { return properties_; }
    const std::vector<std::pair<std::string, std::string>>& Properties() const {
        return properties_;
    }
    // The next identifier to assign; meaningful when AutoIncField() >= 0.
    std::int64_t AutoIncValue() const { return autoIncValue_; }
    void SetAutoIncValue(std::int64_t value) { autoIncValue_ = value; }
    int AutoIncField() const { return autoIncField_; }
    // The integer field named ID that rows are found by, or -1.
    int IdField() const { return idField_; }

    // --- files
    // Closes the table, reads the whole file and opens the table on its first row.
    void LoadFromFile(const std::filesystem::path& path);
    // Writes the whole file anew in the given variant.
    void SaveToFile(const std::filesystem::path& path, TTableVariant variant);
    // Replaces definitions, properties and rows by those of the file's bytes
    // (which a UTF-8 file has converted to Windows-1251 in place).
    void LoadFromBytes(std::string bytes, std::string_view fileName);
    // The bytes of the table file.
    std::string SaveToBytes(TTableVariant variant);

    // --- change log
    void MergeChangeLog();
    int ChangeCount() const { return changeCount_; }

    // --- walking
    void First();
    void Next();
    bool Eof() const;
    std::size_t RecordCount() const { return rowCount_; }
    // The current row's position; RecordCount() past the end.
    std::size_t RecNo() const { return current_; }
    // Makes the row with this ID current; false (and no move) when there is none.
    bool Locate(std::int64_t id);

    // --- fields of the current row
    // Raises "Field '%s' not found" when the table has no such field.
    TFieldRef FieldByName(std::string_view name);
    int FieldIndex(std::string_view name) const; // -1 when there is none
    int FieldIndexOrThrow(std::string_view name) const;

    // --- changing
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Remove();
    bool Editing() const { return state_ == TState::Edit || state_ == TState::Insert; }

    // --- direct reading, without moving the current row
    TRowView Row(std::size_t index) const {
        return {values_.data() + index * defs_.size(), defs_.size()};
    }
    std::optional<std::size_t> FindRow(std::int64_t id) const;

    // (ID, row) of every row that has an ID.
    using TIdIndex = std::vector<std::pair<std::int64_t, std::size_t>>;
    // Only the file reader can make one: the rows of a file are handed over
    // whole, past the checks of Append and Post.
    class TRowsKey {
        friend void ParseTable(std::string& bytes, std::string_view fileName, TTable& table);
        TRowsKey() = default;
    };
    // Load-time access for the reader: the values of all rows, row after row,
    // are handed over whole with the IDs of the rows in row order. Returns an
    // ID that two rows share, if any.
    std::optional<std::int64_t> AdoptRows(TRowsKey, std::vector<TValue> values,
                                          std::size_t rowCount, TIdIndex ids);

private:
    friend class TFieldRef;
    // Keeps alive memory that text values point into.
    void KeepText(std::shared_ptr<const void> block) { texts_.Keep(std::move(block)); }
    enum class TState { Inactive, Browse, Edit, Insert };

    void CheckActive() const;
    void ToBrowse();
    void IndexRow(std::size_t index);
    std::optional<std::int64_t> RebuildIndex() const;
    // Sorts the index if it needs to; returns an ID that two rows share, if any.
    std::optional<std::int64_t> OrderIndex() const;
    const TValue& CurrentValue(int field) const;
    // Stores a value into the edit buffer, its text into the table's texts.
    void SetBufferValue(int field, const TOwnedValue& value);
    const TValue* IdOf(std::size_t row) const;

    std::vector<TFieldDef> defs_;
    std::vector<std::pair<std::string, std::string>> properties_;
    std::vector<TValue> values_; // row after row
    TTextStore texts_;           // what the text values point into
    std::size_t rowCount_ = 0;
    TRow buffer_;
    TState state_ = TState::Inactive;
    std::size_t current_ = 0;
    std::int64_t autoIncValue_ = 1;
    int autoIncField_ = -1;
    int idField_ = -1;
    int changeCount_ = 0;
    // (ID, row) sorted by ID. IDs grow as rows are appended, so the index
    // mostly grows at its end; other changes rebuild it on the next lookup.
    mutable TIdIndex index_;
    mutable bool indexValid_ = false;
};
