#include "statement/ui/TfmRegister.h"

#include "controls/MessageDialog.h"
#include "controls/WindowStyle.h"
#include "text/qt/QtCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

QDate DateOf(TDateTime value) {
    const TDateTimeParts parts = DecodeDateTime(value);
    return QDate(parts.Year, parts.Month, parts.Day);
}

TDateTime DayNumberOf(QDate date) {
    return EncodeDateTime(date.year(), date.month(), date.day()).value_or(0);
}

QDateEdit* MakeDateEdit(QWidget& parent, const char* name) {
    auto* edit = new QDateEdit(&parent);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return edit;
}

} // namespace

TfmRegister::TfmRegister(QWidget* parent)
    : QDialog(parent), DateFrom(MakeDateEdit(*this, "DateFrom")),
      DateTo(MakeDateEdit(*this, "DateTo")), cbFirm(new QComboBox(this)),
      BtnOK(new QPushButton(ToQString("ОК"), this)) {
    setObjectName("TfmRegister");
    setWindowTitle(ToQString("Реестр ведомостей"));
    SetWindowFont(*this);
    cbFirm->setObjectName("cbFirm");
    cbFirm->setMinimumWidth(300);
    BtnOK->setObjectName("BtnOK");
    BtnOK->setDefault(true);
    auto* btnCancel = new QPushButton(ToQString("Отменить"), this);
    btnCancel->setObjectName("BtnCancel");
    connect(BtnOK, &QPushButton::clicked, this, [this] { BtnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(ToQString("С даты:"), DateFrom);
    fields->addRow(ToQString("По дату:"), DateTo);
    fields->addRow(ToQString("Организация-вноситель:"), cbFirm);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(DateFrom, DateTo);
    setTabOrder(DateTo, cbFirm);
    setTabOrder(cbFirm, BtnOK);
    setTabOrder(BtnOK, btnCancel);
}

std::optional<TRegisterQuery> TfmRegister::Execute(const TChoiceItems& firms, TDateTime today) {
    const TRegisterQuery start = DefaultRegisterQuery(today);
    DateFrom->setDate(DateOf(start.DateFrom));
    DateTo->setDate(DateOf(start.DateTo));
    cbFirm->clear();
    cbFirm->addItem(ToQString("Все организации"), QVariant::fromValue<qlonglong>(0));
    for (const TChoiceItem& firm : firms) {
        cbFirm->addItem(ToQString(firm.Name), QVariant::fromValue<qlonglong>(firm.ID));
    }
    DateFrom->setFocus();
    CentreOnScreen(*this);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Query();
}

TRegisterQuery TfmRegister::Query() const {
    return {DayNumberOf(DateFrom->date()), DayNumberOf(DateTo->date()),
            cbFirm->currentData().toLongLong()};
}

void TfmRegister::BtnOKClick() {
    const std::string fault = CheckRegisterPeriod(Query());
    if (!fault.empty()) {
        MessageDialog(fault, kMbIconWarning | kMbOk);
        DateFrom->setFocus();
        return;
    }
    accept();
}
