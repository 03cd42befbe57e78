#pragma once
// The editor's four drop-down lists of firms and banks, in the order of
// TEditorList: their controls, labels, browse buttons and what the browser
// is opened with.
#include "store/Store.h"
#include "statement/DocumentEditorState.h"

#include <array>

struct TChoiceLayout {
    const char* ListName;
    const char* Label;
    const char* BrowseName;
    const char* BrowseCaption;
    TStoreTable Table;
    int Slot;
};

inline constexpr std::array<TChoiceLayout, 4> kChoiceLayouts = {{
    {"cbFromFirm", "Организация-вноситель:", "BtnBrowseFromFirm", "Выберите организацию-вноситель",
     TStoreTable::Firms, TStore::kFirmSlot},
    {"cbToFirm", "Организация-получатель:", "BtnBrowseToFirm", "Выберите организацию-получатель",
     TStoreTable::Firms, TStore::kFirmSlot},
    {"cbFromBank", "Банк-вноситель:", "BtnBrowseFromBank", "Выберите банк-вноситель",
     TStoreTable::Banks, TStore::kBankSlot},
    {"cbToBank", "Банк-получатель:", "BtnBrowseToBank", "Выберите банк-получатель",
     TStoreTable::Banks, TStore::kBankSlot},
}};

// The list of a position in kChoiceLayouts.
inline TEditorList ListOf(int listIndex) {
    return static_cast<TEditorList>(listIndex);
}
