#include "controls/ControlPictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kOutline(0x40, 0x48, 0x58);

// A sheet of paper with a folded corner.
void DrawSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(4, 2);
    sheet.lineTo(14, 2);
    sheet.lineTo(19, 7);
    sheet.lineTo(19, 22);
    sheet.lineTo(4, 22);
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xFD, 0xFD, 0xF8));
    p.drawPath(sheet);
    p.setBrush(QColor(0xDD, 0xE2, 0xEA));
    p.drawPolygon(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
    p.setPen(QPen(QColor(0xA8, 0xB0, 0xC0), 1));
    for (int y = 10; y <= 18; y += 3) {
        p.drawLine(QPointF(7, y), QPointF(16, y));
    }
}

// A round badge in the lower right corner.
void DrawBadge(QPainter& p, const QColor& colour) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(colour);
    p.drawEllipse(QPointF(17, 17), 6, 6);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
}

void DrawAdd(QPainter& p) {
    DrawSheet(p);
    DrawBadge(p, QColor(0x2E, 0x9E, 0x44));
    p.drawLine(QPointF(17, 13.5), QPointF(17, 20.5));
    p.drawLine(QPointF(13.5, 17), QPointF(20.5, 17));
}

// A sheet behind a new one that copies it.
void DrawCopy(QPainter& p) {
    p.save();
    p.translate(-2, -1);
    p.scale(0.85, 0.85);
    DrawSheet(p);
    p.restore();
    p.save();
    p.translate(5, 4);
    p.scale(0.8, 0.8);
    DrawSheet(p);
    p.restore();
    DrawBadge(p, QColor(0x2E, 0x7E, 0xC4));
    p.drawLine(QPointF(17, 13.5), QPointF(17, 20.5));
    p.drawLine(QPointF(13.5, 17), QPointF(20.5, 17));
}

// A list of statements: a sheet ruled as a table, its total underlined.
void DrawRegister(QPainter& p) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xFD, 0xFD, 0xF8));
    p.drawRect(QRectF(3, 2, 18, 20));
    p.setBrush(QColor(0xC9, 0xD8, 0xEE));
    p.drawRect(QRectF(3, 2, 18, 4));
    p.setPen(QPen(QColor(0xA8, 0xB0, 0xC0), 1));
    for (int y = 9; y <= 15; y += 3) {
        p.drawLine(QPointF(5, y), QPointF(19, y));
    }
    p.drawLine(QPointF(9, 6), QPointF(9, 16));
    p.setPen(QPen(QColor(0x2E, 0x9E, 0x44), 1.6));
    p.drawLine(QPointF(11, 19), QPointF(19, 19));
}

void DrawEdit(QPainter& p) {
    DrawSheet(p);
    // A pencil lying from the upper right to the lower left.
    p.save();
    p.translate(15, 13);
    p.rotate(45);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xF2, 0xB1, 0x34));
    p.drawRect(QRectF(-2.2, -9, 4.4, 13));
    p.setBrush(QColor(0xE8, 0x8A, 0x8A));
    p.drawRect(QRectF(-2.2, -11, 4.4, 2));
    p.setBrush(QColor(0xF5, 0xDE, 0xB3));
    p.drawPolygon(QPolygonF({QPointF(-2.2, 4), QPointF(2.2, 4), QPointF(0, 8)}));
    p.restore();
}

void DrawDelete(QPainter& p) {
    DrawSheet(p);
    DrawBadge(p, QColor(0xD0, 0x33, 0x2B));
    p.drawLine(QPointF(14.5, 14.5), QPointF(19.5, 19.5));
    p.drawLine(QPointF(19.5, 14.5), QPointF(14.5, 19.5));
}

void DrawPrint(QPainter& p) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 2, 12, 8)); // paper going in
    p.setBrush(QColor(0x8A, 0x94, 0xA6));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2); // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 15, 12, 7)); // paper coming out
    p.setPen(QPen(QColor(0xA8, 0xB0, 0xC0), 1));
    p.drawLine(QPointF(8, 18), QPointF(16, 18));
    p.drawLine(QPointF(8, 20), QPointF(14, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4C, 0xD0, 0x5A));
    p.drawEllipse(QPointF(18.5, 12), 1.2, 1.2);
}

void DrawHelp(QPainter& p) {
    p.setPen(QPen(QColor(0x1F, 0x4E, 0x9A), 1.2));
    p.setBrush(QColor(0x3C, 0x7D, 0xD9));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

// An open book: the directory of banks.
void DrawDirectory(QPainter& p) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xFD, 0xFD, 0xF8));
    p.drawPolygon(QPolygonF({QPointF(12, 6), QPointF(3, 3), QPointF(3, 19), QPointF(12, 22)}));
    p.drawPolygon(QPolygonF({QPointF(12, 6), QPointF(21, 3), QPointF(21, 19), QPointF(12, 22)}));
    p.setPen(QPen(QColor(0xA8, 0xB0, 0xC0), 1));
    for (int y = 8; y <= 16; y += 4) {
        p.drawLine(QPointF(5, y), QPointF(10, y + 1.5));
        p.drawLine(QPointF(14, y + 1.5), QPointF(19, y));
    }
    p.setPen(QPen(QColor(0x2E, 0x6E, 0xC8), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 6), QPointF(12, 22));
}

void Draw(QPainter& p, TPicture picture) {
    switch (picture) {
    case TPicture::Add:
        DrawAdd(p);
        break;
    case TPicture::Copy:
        DrawCopy(p);
        break;
    case TPicture::Edit:
        DrawEdit(p);
        break;
    case TPicture::Delete:
        DrawDelete(p);
        break;
    case TPicture::Print:
        DrawPrint(p);
        break;
    case TPicture::Register:
        DrawRegister(p);
        break;
    case TPicture::Help:
        DrawHelp(p);
        break;
    case TPicture::Directory:
        DrawDirectory(p);
        break;
    }
}

// Paints one picture at whatever size is asked for.
class TPictureEngine : public QIconEngine {
public:
    explicit TPictureEngine(TPicture picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        if (mode == QIcon::Disabled) {
            painter->setOpacity(0.35);
        }
        DrawPicture(*painter, rect, picture_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return result;
    }

    QIconEngine* clone() const override { return new TPictureEngine(picture_); }

private:
    TPicture picture_;
};

} // namespace

void DrawPicture(QPainter& painter, const QRectF& rect, TPicture picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 24.0, rect.height() / 24.0);
    Draw(painter, picture);
    painter.restore();
}

QIcon PictureIcon(TPicture picture) {
    return QIcon(new TPictureEngine(picture));
}
