#pragma once
// TfmFind ("Поиск ведомости"): asks for the text the main window looks for
// in its list. Enter or "Найти" searches, Esc cancels.
#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

class TfmFind : public QDialog {
public:
    explicit TfmFind(QWidget* parent = nullptr);

    // Shows the dialog modally with the last text, selected; the text typed
    // (Windows-1251) when the user searched with something to look for.
    std::optional<std::string> Execute(const std::string& text);

private:
    QLineEdit* eFind;
};
