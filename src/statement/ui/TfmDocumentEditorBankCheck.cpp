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
    std::vector<std::string> lines;
    for (const TDetailFault& fault : faults) {
        lines.push_back(fault.Line);
    }
    if (MessageDialog(DetailsQuestion(lines), kMbIconQuestion | kMbYesNo | kMbDefButton2) ==
        kIdYes) {
        return true;
    }
    lists_[static_cast<std::size_t>(faults.front().List)]->setFocus();
    return false;
}
