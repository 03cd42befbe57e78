#include "statement/ui/TfmEarnSourceEditor.h"

#include "controls/MessageDialog.h"
#include "controls/WindowStyle.h"
#include "statement/EarnSourceInput.h"
#include "statement/EditorKeys.h"
#include "statement/ui/TypedCharFilter.h"
#include "text/qt/QtCodec.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

TfmEarnSourceEditor::TfmEarnSourceEditor(QWidget* parent)
    : QDialog(parent), eCode_(new QLineEdit(this)), eName_(new QLineEdit(this)),
      btnOK_(new QPushButton(ToQString("ОК"), this)) {
    setObjectName("TfmEarnSourceEditor");
    setWindowTitle(ToQString("Источник поступления"));
    SetWindowFont(*this);
    eCode_->setObjectName("ECode");
    eCode_->setMaxLength(3);
    eName_->setObjectName("EName");
    eName_->setMinimumWidth(300);
    btnOK_->setObjectName("BtnOK");
    auto* btnCancel = new QPushButton(ToQString("Отменить"), this);
    btnCancel->setObjectName("BtnCancel");

    // The symbol takes digits only, pasted or typed; the name's forbidden
    // characters are refused when typed and reported on OK when pasted.
    GuardLineEdit(*eCode_, SymbolKey, [this] { eName_->setFocus(); });
    FilterTypedChars(*eName_, SourceNameKey, [this] { btnOK_->click(); });
    connect(btnOK_, &QPushButton::clicked, this, [this] { BtnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(ToQString("Символ (код):"), eCode_);
    fields->addRow(ToQString("Наименование:"), eName_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(eCode_, eName_);
    setTabOrder(eName_, btnOK_);
    setTabOrder(btnOK_, btnCancel);
}

std::optional<TEarnSourceFields> TfmEarnSourceEditor::Execute(const TEarnSourceFields& fields) {
    eCode_->setText(ToQString(fields.Symbol));
    eName_->setText(ToQString(fields.Name));
    eCode_->setFocus();
    CentreOnScreen(*this);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return TEarnSourceFields{FromQString(eCode_->text()), FromQString(eName_->text())};
}

void TfmEarnSourceEditor::BtnOKClick() {
    TEarnSourceInput input{FromQString(eCode_->text()), FromQString(eName_->text())};
    const TEarnSourceFault fault = CheckEarnSourceInput(input);
    eCode_->setText(ToQString(input.Symbol));
    eName_->setText(ToQString(input.Name));
    switch (fault) {
    case TEarnSourceFault::Symbol:
        eCode_->setFocus();
        break;
    case TEarnSourceFault::Name:
        MessageDialog(kForbiddenNameMessage, kMbIconError | kMbOk);
        eName_->setFocus();
        break;
    case TEarnSourceFault::None:
        accept();
        break;
    }
}
