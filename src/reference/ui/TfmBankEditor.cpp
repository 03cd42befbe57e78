#include "reference/ui/TfmBankEditor.h"

namespace {

constexpr TEditorBox kBoxes[] = {
    {"eName", "Наименование:", "Name", TTextKind::Name},
    {"eBIK", "БИК:", "BIK", TTextKind::Digits},
    {"eDebitAccount", "№ счета (дебет):", "DebitAccount", TTextKind::Digits},
};

} // namespace

TfmBankEditor::TfmBankEditor(TStore& store, QWidget* parent)
    : TReferenceEditor(store, {"TfmBankEditor", "Банк", 187, TStoreTable::Banks, kBoxes}, parent) {}
