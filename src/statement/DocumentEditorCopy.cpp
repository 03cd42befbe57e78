// "Новая по образцу": a new statement that starts from a stored one.
#include "statement/DocumentEditorState.h"

void TDocumentEditorState::LoadCopy(std::int64_t sourceID, TDateTime now) {
    documentID_ = sourceID;
    Load(now);
    // From here on the statement is a new one: saving appends.
    documentID_ = 0;
    statement_.Datetime = now;
    statement_.Counts.fill("");
    for (TSourceRow& row : statement_.Sources) {
        row.Amount.clear();
    }
    cashRow_ = 1;
    Recompute(true);
}
