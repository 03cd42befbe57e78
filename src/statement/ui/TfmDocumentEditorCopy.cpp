// "Новая по образцу": the editor opened for a new statement that starts from
// a stored one.
#include "statement/ui/TfmDocumentEditor.h"

bool TfmDocumentEditor::CopyStatement(std::int64_t id) {
    // Loaded before the window opens, as for editing.
    state_.LoadCopy(id, Now());
    ShowStatement();
    loaded_ = true;
    return exec() == QDialog::Accepted;
}
