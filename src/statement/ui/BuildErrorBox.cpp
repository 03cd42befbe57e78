#include "statement/ui/BuildErrorBox.h"

#include "controls/MessageDialog.h"
#include "text/Format.h"

void ShowBuildErrorBox(const TBuildError& error) {
    ShowMessageBox(Format("%d %s", {error.RowIndex, error.Message}), "", kMbOk);
}
