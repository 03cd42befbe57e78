// The editor's browse buttons: the reference browser opened on the firms or
// the banks, and the lists of that kind read again afterwards.
#include "statement/ui/TfmDocumentEditor.h"

#include "statement/ui/DocumentEditorChoices.h"

void TfmDocumentEditor::BrowseClick(int listIndex) {
    if (!browse_) {
        return;
    }
    const TChoiceLayout& layout = kChoiceLayouts[static_cast<std::size_t>(listIndex)];
    const TEditorList list = ListOf(listIndex);
    const bool firms = layout.Table == TStoreTable::Firms;
    const std::optional<std::int64_t> chosen =
        browse_(layout.BrowseCaption, layout.Table, layout.Slot, state_.SelectedID(list));
    // The lists are read again first, so a record added in the browser and
    // chosen there can be selected.
    if (firms) {
        state_.RebuildFirmLists();
    } else {
        state_.RebuildBankLists();
    }
    if (chosen) {
        state_.Select(list, *chosen);
    }
    ShowList(firms ? 0 : 2);
    ShowList(firms ? 1 : 3);
}
