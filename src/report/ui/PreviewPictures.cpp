#include "report/ui/PreviewPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap DrawHand() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    // Four fingers, the thumb and the palm, united into one outline.
    const int fingerTops[] = {6, 3, 4, 7};
    for (int finger = 0; finger < 4; ++finger) {
        hand.addRoundedRect(QRectF(8.5 + finger * 4, fingerTops[finger], 4, 16), 2, 2);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(3.5, 14, 9, 4), 2, 2);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(8.5, 12, 16, 15), 4, 4);
    hand = hand.united(thumb).united(palm);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    return pixmap;
}

} // namespace

QCursor MakeHandCursor() {
    return QCursor(DrawHand(), 16, 16);
}

QIcon MakeZoomIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(220, 235, 255));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 10), QPointF(14, 14));
    return QIcon(pixmap);
}
