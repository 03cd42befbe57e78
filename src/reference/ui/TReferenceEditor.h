#pragma once
// The dialog both reference editors are made of: a column of labelled edit
// boxes over one record of a reference table, with "ОК" and "Отменить". On OK
// every box must be filled; the record is written and its table saved at
// once. A filled number that fails its check (ReferenceChecks.h) is named in
// a question first: Нет goes back to the first box at fault. A save that
// fails leaves the dialog open with the record changed in memory, and OK then
// writes that same record again.
#include "controls/ActionRunner.h"
#include "reference/ReferenceChecks.h"
#include "reference/ReferenceRecords.h"
#include "reference/ReferenceRules.h"
#include "reference/ui/IReferenceEditor.h"
#include "store/Store.h"

#include <QDialog>

#include <span>
#include <vector>

class QLineEdit;
class QPushButton;

// One edit box of an editor, in tab order.
struct TEditorBox {
    const char* ObjectName;
    const char* Label;
    const char* Field;
    TTextKind Kind;
    TBoxCheck Check = TBoxCheck::None;
    int BIKBox = -1; // for TBoxCheck::AccountAtBIK
};

// What sets one editor apart from the other.
struct TEditorLayout {
    const char* ObjectName;
    const char* Caption;
    int ClientHeight; // in pixels; the width is the same for both
    TStoreTable Table;
    std::span<const TEditorBox> Boxes;
};

class TReferenceEditor : public QDialog, public IReferenceEditor {
public:
    TReferenceEditor(TStore& store, TActionRunner runner, const TEditorLayout& layout,
                     QWidget* parent);

    int GetRecordID() const override { return recordID_; }
    void SetRecordID(int id) override { recordID_ = id; }
    bool Execute() override;

protected:
    // The edit box of this object name; raises when there is none.
    QLineEdit& Box(const char* objectName) const;
    // Called once the boxes show the record, on every showing.
    virtual void BoxesFilled() {}

private:
    TActionRunner runner_;
    // Whether the checked boxes pass or the user goes on all the same; on
    // Нет the first box at fault gets the focus.
    bool ConfirmChecks(const std::vector<std::string>& texts);
    // Fills the boxes from the record; raises when the table cannot be used.
    void FormShow();
    void BtnOKClick();

    TStore& store_;
    TStoreTable table_;
    std::vector<TEditorBox> boxes_;
    std::vector<QLineEdit*> edits_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
    int recordID_ = 0;
    TEditedRecord record_;
};
