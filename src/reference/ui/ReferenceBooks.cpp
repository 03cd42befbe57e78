#include "reference/ui/ReferenceBooks.h"

TReferenceBooks::TReferenceBooks(TStore& store, const TActionRunner& runner, QWidget* parent)
    : bankDirectory_(store.WorkingDirectory()), browser_(store, runner, &bankDirectory_, parent),
      bankEditor_(store, runner, &bankDirectory_, parent), firmEditor_(store, runner, parent) {}

std::optional<std::int64_t> TReferenceBooks::Browse(const std::string& caption, TStoreTable table,
                                                    int slot, std::int64_t selectedID) {
    IReferenceEditor* editor = nullptr;
    if (table == TStoreTable::Firms) {
        editor = &firmEditor_;
    } else if (table == TStoreTable::Banks) {
        editor = &bankEditor_;
    }
    if (!browser_.Execute({caption, table, slot, editor, static_cast<int>(selectedID)})) {
        return std::nullopt;
    }
    return browser_.SelectedID();
}
