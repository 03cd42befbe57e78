#pragma once
// TfmRegister ("Реестр ведомостей"): asks for the period of the register
// (first and last day, the current month to start with) and, if wanted, the
// paying firm. A first day after the last is refused with a message and the
// focus back on the first day.
#include "statement/ChoiceList.h"
#include "statement/StatementRegister.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QPushButton;

class TfmRegister : public QDialog {
public:
    explicit TfmRegister(QWidget* parent = nullptr);

    // Shows the dialog modally with the month of `today` and "all firms"
    // before `firms`; the period and firm chosen, when confirmed with OK.
    std::optional<TRegisterQuery> Execute(const TChoiceItems& firms, TDateTime today);

private:
    TRegisterQuery Query() const;
    void BtnOKClick();

    QDateEdit* DateFrom;
    QDateEdit* DateTo;
    QComboBox* cbFirm;
    QPushButton* BtnOK;
};
