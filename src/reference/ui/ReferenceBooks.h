#pragma once
// The reference books as the other windows reach them: the browser and the
// firm and bank editors, made once, in that order, and living as long as
// this object. Browse shows the browser with the editor of the table.
#include "bank/KeptDirectory.h"
#include "reference/ui/TfmBankEditor.h"
#include "reference/ui/TfmBrowser.h"
#include "reference/ui/TfmFirmEditor.h"
#include "store/Store.h"

#include <cstdint>
#include <optional>
#include <string>

class TReferenceBooks {
public:
    // The windows run their user's actions through `runner`.
    TReferenceBooks(TStore& store, const TActionRunner& runner, QWidget* parent = nullptr);

    // Lets the user choose a firm or a bank (table Firms or Banks) with the
    // record of selectedID (0 = none) preselected; slot is the table's
    // default-ID slot (0 = no default column). The chosen record's ID, or
    // nothing when the user cancelled. Raises the store's error when the
    // table cannot be used.
    std::optional<std::int64_t> Browse(const std::string& caption, TStoreTable table, int slot,
                                       std::int64_t selectedID);

    TfmBrowser& Browser() { return browser_; }
    TfmFirmEditor& FirmEditor() { return firmEditor_; }
    TfmBankEditor& BankEditor() { return bankEditor_; }
    TKeptBankDirectory& BankDirectory() { return bankDirectory_; }

private:
    TKeptBankDirectory bankDirectory_;
    TfmBrowser browser_;
    TfmBankEditor bankEditor_;
    TfmFirmEditor firmEditor_;
};
