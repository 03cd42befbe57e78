#include "statement/StoredStatement.h"

#include "statement/CashField.h"
#include "statement/EarnSources.h"
#include "store/Store.h"
#include "text/Errors.h"
#include "text/Format.h"

bool ReadStoredStatement(TTable& documents, std::int64_t id, const TChoiceItems& firms,
                         const TChoiceItems& banks, TStatement& statement) {
    if (id <= 0 || !documents.Locate(id)) {
        return false;
    }
    statement.BagNumber = documents.FieldByName("BagNumber").AsString();
    DecodeCash(documents.FieldByName("Cash").AsString(), statement);
    statement.Datetime = documents.FieldByName("Datetime").AsDateTime();
    statement.FromFirm = SelectableID(firms, documents.FieldByName("FromFirm").AsInteger());
    statement.ToFirm = SelectableID(firms, documents.FieldByName("ToFirm").AsInteger());
    statement.FromBank = SelectableID(banks, documents.FieldByName("FromBank").AsInteger());
    statement.ToBank = SelectableID(banks, documents.FieldByName("ToBank").AsInteger());
    statement.Field39 = documents.FieldByName("FIELD39").AsString();
    return true;
}

TVariableList StoredStatementVariables(TStore& store, std::int64_t id) {
    TStatement statement;
    ApplyEarnSources(BuildEarnSourceList(store.EarnSources()), statement);
    if (!ReadStoredStatement(store.Documents(), id, BuildChoiceItems(store.Firms()),
                             BuildChoiceItems(store.Banks()), statement)) {
        throw EAppError(Format("Ведомость с ID %d не найдена", {id}));
    }
    return BuildPrintVariables(statement, store.Firms(), store.Banks());
}
