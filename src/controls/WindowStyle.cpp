#include "controls/WindowStyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void SetWindowFont(QWidget& window) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    window.setFont(font);
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // A window its layout sizes gets its size only when first shown; settle
    // it now, as showing would, so that its middle is where it will be.
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
