#pragma once
// Which typed characters the statement editor's and the earn-source editor's
// fields take. Each filter gives the character to insert, possibly replaced,
// or nothing when the key is dropped. Pasted text is not filtered here: the
// check and the earn-source editor's OK judge whatever the fields hold.
#include "text/CharClass.h"

#include <optional>

// eBag and eField39: control characters other than Backspace (Enter among
// them: it moves the focus to the counts instead) and & < > ^ are dropped.
std::optional<char> FreeTextKey(char c);

// A count cell: digits and Backspace only.
std::optional<char> CountKey(char c);

// An amount cell: the keys that sit where the decimal comma is on a Russian
// or Latin keyboard (. / < > ? б ю Б Ю) type a comma; then digits, the comma
// and Backspace only.
std::optional<char> AmountKey(char c);

// The earn-source editor's symbol: digits and Backspace only (Enter moves
// the focus to the name instead).
std::optional<char> SymbolKey(char c);

// The earn-source editor's name: & ' < > ^ ~ and Enter (which presses OK
// instead) are dropped.
std::optional<char> SourceNameKey(char c);

// The count row Enter leads to from `row` (1 to 15): the next row, or 0 on
// the last row, where the focus goes to "Сохранить".
int NextCashRow(int row);
