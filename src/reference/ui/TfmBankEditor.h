#pragma once
// The editor of one bank: its name, identification code and account. A BIK
// found in the Bank of Russia's directory shows, under the boxes, the bank's
// name, place and correspondent account there, in red with the reason when
// the bank was deleted or lost its licence; an empty name box takes the
// directory's name.
#include "bank/KeptDirectory.h"
#include "reference/ui/TReferenceEditor.h"

class QLabel;

class TfmBankEditor : public TReferenceEditor {
public:
    // `directory` (not owned) may be none: nothing is looked up then.
    TfmBankEditor(TStore& store, TActionRunner runner, TKeptBankDirectory* directory = nullptr,
                  QWidget* parent = nullptr);

protected:
    // A directory loaded since the last showing shows for the same BIK too.
    void BoxesFilled() override { BIKChanged(); }

private:
    // Shows what the directory says of the BIK in the box.
    void BIKChanged();

    TKeptBankDirectory* directory_;
    QLabel* lDirectory_;
};
