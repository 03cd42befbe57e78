#include "support/widgets/ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace testing_support {

ModalAnswer::ModalAnswer(std::function<void(QWidget&)> action) : action_(std::move(action)) {
    QTimer::singleShot(0, &context_, [this] { Poll(); });
}

ModalAnswer::~ModalAnswer() {
    stopped_ = true;
    // A poll still queued must not reach a dead object.
    QApplication::processEvents();
}

void ModalAnswer::Poll() {
    if (stopped_ || answered_) {
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        QTimer::singleShot(5, &context_, [this] { Poll(); });
        return;
    }
    answered_ = true;
    title_ = modal->windowTitle();
    for (const QLabel* label : modal->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            text_ += (text_.isEmpty() ? "" : "\n") + label->text();
        }
    }
    action_(*modal);
}

std::function<void(QWidget&)> ClickButton(const QString& captionOrName) {
    return [captionOrName](QWidget& window) {
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->text() == captionOrName || button->objectName() == captionOrName) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << captionOrName.toStdString();
        window.close();
    };
}

std::function<void(QWidget&)> PressKey(Qt::Key key) {
    return [key](QWidget& window) {
        QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(target, key);
    };
}

} // namespace testing_support
