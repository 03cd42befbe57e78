#pragma once
// Tables for tests: empty ones of given fields, and records to choose from.
#include "store/Store.h"
#include "store/Table.h"

#include <vector>

namespace testing_support {

// An empty table of the given fields, open for appending.
inline TTable EmptyTable(std::vector<TFieldDef> defs) {
    TTable table;
    for (TFieldDef& def : defs) {
        table.AddFieldDef(std::move(def));
    }
    table.CreateDataSet();
    return table;
}

// One firm and one bank, both named "Первая", not yet saved.
inline void AddFirstFirmAndBank(TStore& store) {
    for (TTable* table : {&store.Firms(), &store.Banks()}) {
        table->Append();
        table->FieldByName("Name").SetString("Первая");
        table->Post();
    }
}

} // namespace testing_support
