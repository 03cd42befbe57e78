#pragma once
// What the reference book windows decide, kept apart from the widgets: which
// characters a box takes, which box an incomplete record stops at, which
// records the list shows and what a double click on a cell does.
#include "store/Table.h"
#include "text/CharClass.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What an edit box of a firm or bank holds.
enum class TTextKind {
    Name,            // anything but the apostrophe, "<", ">" and "^"
    DigitsAndBlanks, // account numbers of a firm, written in groups
    Digits,          // the bank's numbers
};

// Whether a typed character goes into a box of this kind. The characters a
// name refuses would break the markup of the printed form.
bool KeyTyped(TTextKind kind, char c);

// Text pasted into a box, with what could not have been typed left out;
// control characters (line breaks of a pasted block) are left out too.
std::string CleanedText(TTextKind kind, std::string_view text);

// The first of the texts that is empty, or -1 when all are filled. Blanks
// count as filled.
int FirstEmptyText(std::span<const std::string> texts);

// The question asked before a record is marked deleted.
std::string DeleteQuestion(std::string_view name);

// One record of the list.
struct TListedRecord {
    std::int64_t ID = 0;
    std::string Name;
    bool Default = false;

    bool operator==(const TListedRecord&) const = default;
};

// The records the list shows, in table order: every record not marked
// deleted. The one whose ID is defaultID is marked as the default.
std::vector<TListedRecord> ListedRecords(const TTable& table, std::int64_t defaultID);

// The grid row (from 1) to select for a record: the row of the first record
// with that ID, or row 1 when none has it.
int RowOfRecord(std::span<const TListedRecord> records, std::int64_t id);

// What a double click on the list does.
enum class TListClick { Nothing, Edit, SetDefault, Choose };

// column and row of the clicked cell (-1 when outside the cells); rowCount
// counts the title row; slot 0 means the list has no default column;
// rowHasID tells whether the row is a record (not the empty placeholder).
TListClick DoubleClickAction(int column, int row, int rowCount, int slot, bool rowHasID);
