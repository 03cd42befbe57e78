#pragma once
// The reference browser: one modal list of the firms or the banks, in which
// the user chooses a record, adds or edits records through an editor, marks
// records deleted and chooses the default record of the table's slot.
//
// It is made once and reused; every showing is prepared by its caller
// through Execute. Each change is saved at once; a save that fails leaves
// the change in memory and the list showing it.
//
// The list of banks also loads the Bank of Russia's directory of banks from
// a file as it is published ("Справочник БИК…"); the directory read
// replaces the one kept in the working folder.
#include "bank/KeptDirectory.h"
#include "controls/ActionRunner.h"
#include "reference/ReferenceRules.h"
#include "reference/ui/IReferenceEditor.h"
#include "store/Store.h"

#include <QDialog>

#include <string>
#include <vector>

class QToolButton;
class TBrowserList;

// What a caller sets for one showing of the browser.
struct TBrowserSetup {
    std::string Caption;
    TStoreTable Table = TStoreTable::Firms; // Firms or Banks
    // The default-ID slot of the table (TStore::kFirmSlot, kBankSlot); 0 = no default column.
    int Slot = 0;
    // The editor of the table's records, not owned; none = no adding or editing.
    IReferenceEditor* Editor = nullptr;
    // The record to preselect; 0 = none.
    int SelectedID = 0;
};

class TfmBrowser : public QDialog {
public:
    // Every click and key of the user runs through `runner`. `directory`
    // (not owned) is the one the banks' list loads; none = no loading.
    TfmBrowser(TStore& store, TActionRunner runner, TKeptBankDirectory* directory = nullptr,
               QWidget* parent = nullptr);

    // Shows the list modally. True when the user chose a record; SelectedID()
    // is then its ID, and after a cancel the ID the request preselected.
    // Raises the store's error when the table cannot be used.
    bool Execute(const TBrowserSetup& request);
    int SelectedID() const { return selectedID_; }

    // Rebuilds the list from the table.
    void FillList();

protected:
    // Double clicks on the list are taken where they land; Enter and Esc
    // are the list's commands.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TActionRunner runner_;
    void FormShow();
    // What the list shows of the table now.
    std::vector<TListedRecord> RecordsToShow();
    // The ID of the selected row; 0 on the empty row.
    int SelectedRowID() const;
    void BtnAddClick();
    void BtnEditClick();
    // Edits the record with this ID, if it is one and there is an editor.
    void EditRecord(int id);
    void BtnDeleteClick();
    // Reads a directory file the user chooses and keeps it.
    void BtnBikDirectoryClick();
    void ListDblClick(QPoint viewportPos);
    void Choose();
    // Lets the editor run for a record and shows what it changed.
    void RunEditor(int id);

    TStore& store_;
    TKeptBankDirectory* directory_;
    TStoreTable table_ = TStoreTable::Firms;
    int slot_ = 0;
    IReferenceEditor* recordEditor_ = nullptr;
    int selectedID_ = 0;
    std::vector<TListedRecord> shown_;
    TBrowserList* list_;
    QToolButton* btnBikDirectory_;
};
