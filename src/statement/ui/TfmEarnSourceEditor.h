#pragma once
// The small dialog that adds or changes one earn source: its cash symbol
// (one to three digits, not zero) and its name. The caller fills both
// fields, shows the dialog and, on OK, takes the trimmed fields.
#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

struct TEarnSourceFields {
    std::string Symbol;
    std::string Name;
};

class TfmEarnSourceEditor : public QDialog {
public:
    explicit TfmEarnSourceEditor(QWidget* parent = nullptr);

    // Shows the dialog modally with the fields filled; the trimmed fields
    // when the user confirmed with OK.
    std::optional<TEarnSourceFields> Execute(const TEarnSourceFields& fields);

private:
    void BtnOKClick();

    QLineEdit* eCode_;
    QLineEdit* eName_;
    QPushButton* btnOK_;
};
