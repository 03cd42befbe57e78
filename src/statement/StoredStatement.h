#pragma once
// A statement of the Documents table read back as the editor shows it, and
// the report variables it prints with. The main window prints a listed
// statement through these, and so does report3 --statement, so both give the
// same form as the editor's own "Печать" would for the statement loaded.
#include "statement/ChoiceList.h"
#include "statement/PrintVariables.h"
#include "statement/Statement.h"

#include <cstdint>

class TStore;

// Fills `statement` from the record with this ID: bag number, date, the
// counts, the amounts and the current source of its cash field (for the
// earn sources `statement` already lists), field 39 and the firms and banks,
// each only when it is among `firms` or `banks` (one marked deleted since is
// left unselected, 0). False, with nothing changed, when no record has the ID.
bool ReadStoredStatement(TTable& documents, std::int64_t id, const TChoiceItems& firms,
                         const TChoiceItems& banks, TStatement& statement);

// The report variables of the stored statement with this ID, over the
// store's firms, banks and earn sources. Raises EAppError when no statement
// has the ID.
TVariableList StoredStatementVariables(TStore& store, std::int64_t id);
