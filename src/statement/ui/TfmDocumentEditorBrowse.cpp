// The editor's browse buttons: the reference browser opened on the firms or
// the banks, and the lists of that kind read again afterwards.
#include "statement/ui/TfmDocumentEditor.h"

#include "reference/TfmBrowser.h"
#include "statement/ui/DocumentEditorChoices.h"

TReferenceBrowse BrowseWith(TfmBrowser& browser) {
    return [&browser](const TBrowseRequest& request) -> std::optional<int> {
        if (!browser.Execute(request)) {
            return std::nullopt;
        }
        return browser.SelectedID();
    };
}

void TfmDocumentEditor::SetRecordEditors(IReferenceEditor* firms, IReferenceEditor* banks) {
    firmEditor_ = firms;
    bankEditor_ = banks;
}

void TfmDocumentEditor::BrowseClick(int listIndex) {
    if (!browse_) {
        return;
    }
    const TChoiceLayout& layout = kChoiceLayouts[static_cast<std::size_t>(listIndex)];
    const TEditorList list = ListOf(listIndex);
    const bool firms = layout.Table == TStoreTable::Firms;
    const std::optional<int> chosen =
        browse_({layout.BrowseCaption, layout.Table, layout.Slot, firms ? firmEditor_ : bankEditor_,
                 static_cast<int>(state_.SelectedID(list))});
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
