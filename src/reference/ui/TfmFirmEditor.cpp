#include "reference/ui/TfmFirmEditor.h"

namespace {

// Account numbers are often written in groups, so they take blanks. A firm
// has no bank of its own here: its accounts are checked where a statement
// pairs it with one.
constexpr TEditorBox kBoxes[] = {
    {"eName", "Наименование:", "Name", TTextKind::Name},
    {"eINN", "ИНН:", "INN", TTextKind::DigitsAndBlanks, TBoxCheck::INN},
    {"eCreditAccount", "№ счета (кредит):", "CreditAccount", TTextKind::DigitsAndBlanks},
    {"eAccount", "№ расчетн. счета:", "Account", TTextKind::DigitsAndBlanks},
};

} // namespace

TfmFirmEditor::TfmFirmEditor(TStore& store, TActionRunner runner, QWidget* parent)
    : TReferenceEditor(store, std::move(runner), {"TfmFirmEditor", "Организация", 221, TStoreTable::Firms, kBoxes},
                       parent) {}
