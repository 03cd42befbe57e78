#pragma once
// The editor of one firm: its name, taxpayer number and two accounts. The
// firm's other fields keep their values.
#include "reference/ui/TReferenceEditor.h"

class TfmFirmEditor : public TReferenceEditor {
public:
    TfmFirmEditor(TStore& store, TActionRunner runner, QWidget* parent = nullptr);
};
