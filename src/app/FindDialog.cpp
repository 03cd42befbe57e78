#include "app/FindDialog.h"

#include "controls/WindowStyle.h"
#include "text/qt/QtCodec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfmFind::TfmFind(QWidget* parent) : QDialog(parent), eFind(new QLineEdit(this)) {
    setObjectName("TfmFind");
    setWindowTitle(ToQString("Поиск ведомости"));
    SetWindowFont(*this);
    eFind->setObjectName("eFind");
    eFind->setMinimumWidth(280);
    auto* btnOK = new QPushButton(ToQString("Найти"), this);
    btnOK->setObjectName("BtnOK");
    btnOK->setDefault(true);
    auto* btnCancel = new QPushButton(ToQString("Отменить"), this);
    btnCancel->setObjectName("BtnCancel");
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* label = new QLabel(ToQString("Дата, организация, банк, номер сумки или сумма:"), this);
    label->setBuddy(eFind);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(eFind);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<std::string> TfmFind::Execute(const std::string& text) {
    eFind->setText(ToQString(text));
    eFind->selectAll();
    eFind->setFocus();
    CentreOnScreen(*this);
    if (exec() != QDialog::Accepted || eFind->text().isEmpty()) {
        return std::nullopt;
    }
    return FromQString(eFind->text());
}
