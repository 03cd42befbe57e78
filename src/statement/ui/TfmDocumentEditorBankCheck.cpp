// The statement editor's question about bank details that fail their checks.
#include "statement/ui/TfmDocumentEditor.h"

#include "bank/BankChecks.h"
#include "bank/KeptDirectory.h"
#include "controls/MessageDialog.h"

#include <QComboBox>

bool TfmDocumentEditor::ConfirmBankDetails() {
    const std::vector<TDetailFault> faults =
        state_.BankDetailFaults(bankDirectory_ ? &bankDirectory_->Directory() : nullptr);
    if (faults.empty()) {
        return true;
    }
    if (ConfirmQuestion(FaultsQuestion(faults))) {
        return true;
    }
    lists_[static_cast<std::size_t>(faults.front().List)]->setFocus();
    return false;
}
