// The earn-source buttons of the statement editor. Each change goes to the
// earn-source list at once; the amounts typed for the statement stay with
// their sources.
#include "statement/ui/TfmDocumentEditor.h"

#include "controls/MessageDialog.h"
#include "statement/ui/TfmEarnSourceEditor.h"

void TfmDocumentEditor::BtnAddSourceClick() {
    if (const auto fields = earnSourceEditor_->Execute({})) {
        state_.AddSource(fields->Name, fields->Symbol);
    }
    ShowSources();
}

void TfmDocumentEditor::BtnEditSourceClick() {
    const int row = state_.Statement().CurrentSource;
    if (state_.SourceCaption(row).empty()) {
        return;
    }
    const TSourceRow& source = state_.Statement().Sources[static_cast<std::size_t>(row - 1)];
    if (const auto fields = earnSourceEditor_->Execute({source.Symbol, source.Name})) {
        state_.ChangeSource(row, fields->Name, fields->Symbol);
    }
    ShowSources();
}

void TfmDocumentEditor::BtnDeleteSourceClick() {
    if (state_.IsOnlySource()) {
        MessageDialog("Нельзя удалить все виды источников поступления средств.\n"
                      "Вместо удаления, введите новые данные в имеющийся элемент",
                      kMbIconWarning | kMbOk);
        BtnEditSourceClick();
        return;
    }
    if (MessageDialog(state_.DeleteQuestion(), kMbIconQuestion | kMbYesNo) != kIdYes) {
        return;
    }
    state_.DeleteCurrentSource();
    ShowSources();
    ShowLabels();
}
