#pragma once
// The editor of one bank: its name, identification code and account.
#include "reference/ui/TReferenceEditor.h"

class TfmBankEditor : public TReferenceEditor {
public:
    TfmBankEditor(TStore& store, QWidget* parent = nullptr);
};
