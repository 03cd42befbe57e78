#include "reference/ui/TfmFirmEditor.h"

namespace {

// Account numbers are often written in groups, so they take blanks.
constexpr TEditorBox kBoxes[] = {
    {"eName", "Наименование:", "Name", TTextKind::Name},
    {"eINN", "ИНН:", "INN", TTextKind::DigitsAndBlanks},
    {"eCreditAccount", "№ счета (кредит):", "CreditAccount", TTextKind::DigitsAndBlanks},
    {"eAccount", "№ расчетн. счета:", "Account", TTextKind::DigitsAndBlanks},
};

} // namespace

TfmFirmEditor::TfmFirmEditor(TStore& store, QWidget* parent)
    : TReferenceEditor(store, {"TfmFirmEditor", "Организация", 221, TStoreTable::Firms, kBoxes},
                       parent) {}
