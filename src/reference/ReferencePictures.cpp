#include "reference/ReferencePictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

using TDraw = void (*)(QPainter&, const QRectF&);

// Pictures are drawn on a 20 by 20 grid scaled to the rectangle.
void ToGrid(QPainter& painter, const QRectF& rect) {
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 20.0, rect.height() / 20.0);
    painter.setRenderHint(QPainter::Antialiasing);
}

void DrawSheet(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 90, 90), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 1.5, 12, 16));
    painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    for (const double y : {5.5, 8.5, 11.5}) {
        painter.drawLine(QPointF(5, y), QPointF(12, y));
    }
}

void DrawPencil(QPainter& painter) {
    QPainterPath body;
    body.moveTo(17.5, 5.5);
    body.lineTo(19.0, 7.0);
    body.lineTo(10.0, 16.0);
    body.lineTo(7.5, 17.0);
    body.lineTo(8.5, 14.5);
    body.closeSubpath();
    painter.setPen(QPen(QColor(120, 70, 0), 1.0));
    painter.setBrush(QColor(240, 180, 40));
    painter.drawPath(body);
}

// The sheet with a mark of two strokes over its lower right corner.
void DrawMarkedSheet(QPainter& painter, const QRectF& rect, const QPen& pen, QLineF first,
                     QLineF second) {
    painter.save();
    ToGrid(painter, rect);
    DrawSheet(painter);
    painter.setPen(pen);
    painter.drawLine(first);
    painter.drawLine(second);
    painter.restore();
}

void DrawAdd(QPainter& painter, const QRectF& rect) {
    DrawMarkedSheet(painter, rect, QPen(QColor(0, 130, 0), 3.0, Qt::SolidLine, Qt::FlatCap),
                    QLineF(15, 10, 15, 19), QLineF(10.5, 14.5, 19.5, 14.5));
}

void DrawDelete(QPainter& painter, const QRectF& rect) {
    DrawMarkedSheet(painter, rect, QPen(QColor(200, 0, 0), 3.0, Qt::SolidLine, Qt::RoundCap),
                    QLineF(11, 10, 18, 17), QLineF(18, 10, 11, 17));
}

// An icon that draws itself at whatever size it is asked for.
class TDrawnIcon : public QIconEngine {
public:
    explicit TDrawnIcon(TDraw draw) : draw_(draw) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        if (mode == QIcon::Disabled) {
            painter->setOpacity(0.4);
        }
        draw_(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return image;
    }
    QIconEngine* clone() const override { return new TDrawnIcon(draw_); }

private:
    TDraw draw_;
};

} // namespace

void DrawEditPicture(QPainter& painter, const QRectF& rect) {
    painter.save();
    ToGrid(painter, rect);
    DrawSheet(painter);
    DrawPencil(painter);
    painter.restore();
}

QIcon AddIcon() {
    return QIcon(new TDrawnIcon(DrawAdd));
}

QIcon EditIcon() {
    return QIcon(new TDrawnIcon(DrawEditPicture));
}

QIcon DeleteIcon() {
    return QIcon(new TDrawnIcon(DrawDelete));
}
