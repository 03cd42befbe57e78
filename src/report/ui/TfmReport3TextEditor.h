#pragma once
// The text value editor ("Редактор"): the new text of a page text the user
// double-clicked in the preview. Enter or "ОК" accept, Esc or "Отменить" cancel.
#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class TfmReport3TextEditor : public QDialog {
    Q_OBJECT

public:
    explicit TfmReport3TextEditor(QWidget* parent = nullptr);

    // Shows the text modally; the edited text when the user accepts.
    std::optional<std::string> Edit(const std::string& text);

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BtnOK;
    QPushButton* BtnCancel;

protected:
    void showEvent(QShowEvent* event) override;
};
