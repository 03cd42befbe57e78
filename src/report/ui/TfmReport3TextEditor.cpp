#include "report/ui/TfmReport3TextEditor.h"

#include "text/qt/QtCodec.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfmReport3TextEditor::TfmReport3TextEditor(QWidget* parent) : QDialog(parent) {
    setObjectName("TfmReport3TextEditor");
    setWindowTitle(ToQString("Редактор"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    Label1 = new QLabel(ToQString("Введите новое значение поля:"), this);
    Label1->setObjectName("Label1");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    QFont font("Arial");
    font.setPixelSize(19);
    Edit1->setFont(font);
    Edit1->setMinimumWidth(360);
    BtnOK = new QPushButton(ToQString("ОК"), this);
    BtnOK->setObjectName("BtnOK");
    BtnOK->setDefault(true);
    BtnCancel = new QPushButton(ToQString("Отменить"), this);
    BtnCancel->setObjectName("BtnCancel");
    BtnCancel->setAutoDefault(false);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the edit box accepts and goes no further.
    connect(Edit1, &QLineEdit::returnPressed, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<std::string> TfmReport3TextEditor::Edit(const std::string& text) {
    Edit1->setText(ToQString(text));
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return FromQString(Edit1->text());
}

void TfmReport3TextEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    Edit1->selectAll();
    Edit1->setFocus();
}
