#pragma once
// Answering a modal window as a user would: once the code under test has
// opened it, the given action runs on it (typically a click on a button).
#include <QString>
#include <QWidget>

#include <functional>

namespace testing_support {

// Runs the action on the next modal window that appears; records what it saw.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget&)> action);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    // Whether a modal window was seen and answered.
    bool Answered() const { return answered_; }
    // The texts of every label of the window answered, joined by new lines.
    const QString& Text() const { return text_; }
    const QString& Title() const { return title_; }

private:
    void Poll();

    // Owns the pending polls, so none outlives the object.
    QObject context_;
    std::function<void(QWidget&)> action_;
    bool answered_ = false;
    bool stopped_ = false;
    QString text_;
    QString title_;
};

// An action that clicks the window's button with this caption (or, failing
// that, this object name).
std::function<void(QWidget&)> ClickButton(const QString& captionOrName);
// An action that presses a key in the window's focused widget.
std::function<void(QWidget&)> PressKey(Qt::Key key);

} // namespace testing_support
