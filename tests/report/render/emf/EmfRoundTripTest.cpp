// Pictures recorded through QPainter, written as EMF bytes, read back and
// played: the pixels are those of the same drawing done directly. The
// comparison is exact: the file keeps positions to 1/48 pixel and the
// player draws in the target's own pixels.
#include "report/ReportError.h"
#include "report/render/emf/EmfReader.h"
#include "support/emf/EmfTestSupport.h"
#include "text/qt/QtCodec.h"

#include <QPainterPath>

#include <gtest/gtest.h>

using namespace emf_test;

namespace {

QFont PixelFont(int pixels, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// What a page is made of: fills, frame lines in three styles and widths,
// texts in several fonts at whole and between-pixel positions.
void PageScene(QPainter& painter) {
    painter.fillRect(QRect(10, 10, 100, 40), QColor(200, 220, 255));
    painter.fillRect(QRect(120, 10, 1, 1), Qt::red);
    for (const auto& [style, y] :
         {std::pair{Qt::SolidLine, 60}, {Qt::DashLine, 70}, {Qt::DotLine, 80}}) {
        QPen pen(Qt::black);
        pen.setStyle(style);
        painter.setPen(pen);
        painter.drawLine(10, y, 200, y);
        pen.setWidth(3);
        painter.setPen(pen);
        painter.drawLine(210 + y, 10, 210 + y, 120);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(120, 20, 50, 25));
    painter.setFont(PixelFont(13, true));
    painter.drawText(QPointF(20, 100), ToQString("Сумма прописью"));
    QFont underlined = PixelFont(16, false, true);
    underlined.setUnderline(true);
    underlined.setStrikeOut(true);
    painter.setFont(underlined);
    painter.drawText(QRect(0, 105, 200, 30), Qt::AlignCenter, ToQString("Итого: 1 234,56"));
    QFont points(QStringLiteral("Arial"));
    points.setPointSize(10);
    painter.setFont(points);
    painter.setPen(QColor(0, 0, 160));
    painter.drawText(QRect(10, 135, 190, 40), Qt::AlignRight | Qt::TextWordWrap,
                     ToQString("Препроводительная ведомость к сумке №"));
}

TEmfMetafile Record(int width, int height, const std::function<void(QPainter&)>& draw) {
    TEmfMetafile metafile(width, height);
    QPainter painter(&metafile.PaintDevice());
    draw(painter);
    return metafile;
}

TEmfMetafile ReadBack(const TEmfMetafile& metafile) {
    return TEmfMetafile::FromBytes(metafile.Bytes());
}

} // namespace

TEST(EmfRoundTrip, APagePlaysBackPixelForPixel) {
    const TEmfMetafile metafile = ReadBack(Record(320, 180, PageScene));
    EXPECT_EQ(metafile.Width(), 320);
    EXPECT_EQ(metafile.Height(), 180);
    EXPECT_EQ(DifferentPixels(Play(metafile, 320, 180, QRectF(0, 0, 320, 180)),
                              Draw(320, 180, PageScene)),
              0);
}

TEST(EmfRoundTrip, PlayedAtAnOffsetItIsTheSameDrawingMoved) {
    const TEmfMetafile metafile = ReadBack(Record(320, 180, PageScene));
    const QImage moved = Play(metafile, 360, 200, QRectF(17, 9, 320, 180));
    const QImage direct = Draw(360, 200, [](QPainter& painter) {
        painter.translate(17, 9);
        PageScene(painter);
    });
    EXPECT_EQ(DifferentPixels(moved, direct), 0);
}

TEST(EmfRoundTrip, StretchedTwiceFillsAndLinesScaleExactly) {
    const TEmfMetafile metafile = ReadBack(Record(320, 180, PageScene));
    const QImage twice = Play(metafile, 640, 360, QRectF(0, 0, 640, 360));
    // The fill from (10, 10) to (110, 50) covers (20, 20) to (220, 100).
    EXPECT_TRUE(AllOf(twice, QRect(20, 20, 200, 80), QColor(200, 220, 255)));
    EXPECT_TRUE(AllOf(twice, QRect(19, 20, 1, 80), Qt::white));
    EXPECT_TRUE(AllOf(twice, QRect(20, 100, 200, 1), Qt::white));
    EXPECT_TRUE(AllOf(twice, QRect(240, 20, 2, 2), Qt::red));
    // Lines of every style are those of the drawing scaled twice.
    const QImage scaled = Draw(640, 360, [](QPainter& painter) {
        painter.scale(2, 2);
        PageScene(painter);
    });
    EXPECT_EQ(DifferentPixels(twice.copy(0, 0, 640, 170), scaled.copy(0, 0, 640, 170)), 0);
    // Text is drawn with the font at twice the size, not as a scaled image
    // of the small text: compare it with such a drawing.
    const QImage direct = Draw(640, 360, [](QPainter& painter) {
        painter.setFont(PixelFont(26, true));
        painter.drawText(QPointF(40, 200), ToQString("Сумма прописью"));
    });
    const QRect text(40, 170, 300, 40);
    EXPECT_EQ(DifferentPixels(twice.copy(text), direct.copy(text)), 0);
}

TEST(EmfRoundTrip, DashesAndDotsKeepTheirPattern) {
    const TEmfMetafile metafile = ReadBack(Record(320, 180, PageScene));
    const QImage image = Play(metafile, 320, 180, QRectF(0, 0, 320, 180));
    // Qt's one-pixel dashes: four on, two off; dots of a 3-pixel pen: 3 on, 6 off.
    for (int x = 10; x < 40; ++x) {
        EXPECT_EQ(image.pixelColor(x, 70) == Qt::black, (x - 10) % 6 < 4) << "x = " << x;
    }
    const QImage direct = Draw(320, 180, PageScene);
    EXPECT_EQ(DifferentPixels(image.copy(289, 0, 3, 180), direct.copy(289, 0, 3, 180)), 0);
}

TEST(EmfRoundTrip, ANestedPictureIsRecordedAsDrawing) {
    const TEmfMetafile inner = Record(100, 50, [](QPainter& painter) {
        painter.fillRect(QRect(0, 0, 100, 50), QColor(255, 240, 200));
        painter.fillRect(QRect(10, 10, 30, 30), Qt::darkGreen);
        painter.setFont(PixelFont(12));
        painter.drawText(QPointF(45, 30), ToQString("Вложено"));
    });
    const auto drawOuter = [&](QPainter& painter) {
        painter.fillRect(QRect(0, 0, 10, 10), Qt::blue);
        inner.Play(painter, QRectF(20, 20, 200, 100));
        inner.Play(painter, QRectF(20, 130, 50, 25));
    };
    const TEmfMetafile outer = ReadBack(Record(240, 160, drawOuter));
    // The outer file holds the inner drawing's records, not a bitmap.
    EXPECT_EQ(outer.Bytes().find(std::string("\x51\x00\x00\x00", 4)), std::string::npos);
    EXPECT_EQ(
        DifferentPixels(Play(outer, 240, 160, QRectF(0, 0, 240, 160)), Draw(240, 160, drawOuter)),
        0);
}

TEST(EmfRoundTrip, ClipsAndTransformsOfThePainterAreKept) {
    const auto draw = [](QPainter& painter) {
        painter.save();
        painter.setClipRect(QRect(10, 10, 50, 50));
        painter.fillRect(QRect(0, 0, 200, 200), Qt::blue);
        painter.restore();
        painter.fillRect(QRect(100, 0, 20, 20), Qt::green);
        painter.save();
        painter.translate(150, 100);
        painter.rotate(90);
        painter.fillRect(QRect(0, 0, 40, 10), Qt::red);
        painter.restore();
        painter.scale(2, 2);
        painter.fillRect(QRect(5, 70, 10, 10), Qt::black);
    };
    const TEmfMetafile metafile = ReadBack(Record(200, 200, draw));
    const QImage image = Play(metafile, 200, 200, QRectF(0, 0, 200, 200));
    EXPECT_TRUE(AllOf(image, QRect(10, 10, 50, 50), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 100, 10), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(60, 10, 40, 50), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(100, 0, 20, 20), Qt::green));
    EXPECT_TRUE(AllOf(image, QRect(141, 101, 8, 38), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(10, 140, 20, 20), Qt::black));
    EXPECT_LE(DifferentPixels(image, Draw(200, 200, draw)), 0);
}

TEST(EmfRoundTrip, RotatedTextTurnsWithTheDrawing) {
    const auto draw = [](QPainter& painter) {
        painter.translate(50, 10);
        painter.rotate(90);
        painter.setFont(PixelFont(14));
        painter.drawText(QPointF(0, 0), ToQString("Сверху вниз"));
    };
    const TEmfMetafile metafile = ReadBack(Record(100, 120, draw));
    // Turned glyphs are drawn from their outlines rather than Qt's cache of
    // turned glyphs, so shades of edge pixels differ; place, direction and
    // size are the same.
    const QRect played = DarkBounds(Play(metafile, 100, 120, QRectF(0, 0, 100, 120)));
    const QRect direct = DarkBounds(Draw(100, 120, draw));
    EXPECT_GT(direct.height(), 3 * direct.width());
    EXPECT_LE(std::abs(played.left() - direct.left()), 1);
    EXPECT_LE(std::abs(played.right() - direct.right()), 1);
    EXPECT_LE(std::abs(played.top() - direct.top()), 1);
    EXPECT_LE(std::abs(played.bottom() - direct.bottom()), 1);
}

TEST(EmfRoundTrip, ShapesOfEveryKindAreKept) {
    const auto draw = [](QPainter& painter) {
        painter.setPen(QPen(Qt::darkRed, 2));
        painter.setBrush(QColor(180, 200, 100));
        painter.drawEllipse(QRect(10, 10, 60, 40));
        painter.drawRoundedRect(QRect(80, 10, 60, 40), 8, 8);
        painter.drawPolygon(QPolygon({QPoint(10, 60), QPoint(60, 60), QPoint(35, 100)}));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygon({QPoint(80, 60), QPoint(100, 100), QPoint(140, 60)}));
        painter.drawPolygon(QPolygon({QPoint(150, 110), QPoint(210, 110), QPoint(180, 140)}));
        QPainterPath open;
        open.moveTo(150, 10);
        open.cubicTo(200, 10, 150, 100, 200, 100);
        painter.setBrush(Qt::yellow);
        painter.drawPath(open);
        painter.setBrush(QBrush(Qt::blue, Qt::DiagCrossPattern));
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRect(10, 110, 60, 30));
    };
    const TEmfMetafile metafile = ReadBack(Record(220, 150, draw));
    const QImage played = Play(metafile, 220, 150, QRectF(0, 0, 220, 150));
    const QImage direct = Draw(220, 150, draw);
    // Curves are flattened into polygons when recorded: a few edge pixels
    // of the smooth shapes may fall the other way, nothing more.
    EXPECT_LE(DifferentPixels(played, direct), 60);
    EXPECT_TRUE(AllOf(played, QRect(30, 25, 20, 10), QColor(180, 200, 100)));
    EXPECT_TRUE(AllOf(played, QRect(30, 70, 10, 10), QColor(180, 200, 100)));
    // An outline without a fill is closed; a polyline is not.
    EXPECT_TRUE(AllOf(played, QRect(160, 110, 40, 1), Qt::darkRed));
    EXPECT_TRUE(AllOf(played, QRect(90, 59, 40, 3), Qt::white));
}

TEST(EmfRoundTrip, ImagesArePlayedIntoTheirRectangle) {
    QImage picture(4, 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixelColor(0, 0, Qt::red);
    picture.setPixelColor(3, 1, Qt::blue);
    const TEmfMetafile metafile = ReadBack(Record(100, 100, [&](QPainter& painter) {
        painter.fillRect(QRect(0, 0, 100, 100), Qt::gray);
        painter.drawImage(QRect(10, 10, 40, 20), picture);
    }));
    const QImage image = Play(metafile, 100, 100, QRectF(0, 0, 100, 100));
    EXPECT_TRUE(AllOf(image, QRect(10, 10, 10, 10), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(40, 20, 10, 10), Qt::blue));
    // Transparent pixels are printed as paper.
    EXPECT_TRUE(AllOf(image, QRect(20, 10, 20, 10), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(50, 10, 10, 10), Qt::gray));
}

TEST(EmfRoundTrip, AFreshPictureIsEmptyAndANewRecordingReplacesTheOld) {
    TEmfMetafile metafile(50, 40);
    EXPECT_EQ(DifferentPixels(Play(metafile, 50, 40, QRectF(0, 0, 50, 40)),
                              Draw(50, 40, [](QPainter&) {})),
              0);
    {
        QPainter painter(&metafile.PaintDevice());
        painter.fillRect(QRect(0, 0, 50, 40), Qt::red);
    }
    {
        QPainter painter(&metafile.PaintDevice());
        painter.fillRect(QRect(0, 0, 10, 10), Qt::blue);
    }
    const QImage image = Play(ReadBack(metafile), 50, 40, QRectF(0, 0, 50, 40));
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 10, 10), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(10, 10, 40, 30), Qt::white));
}

TEST(EmfRoundTrip, CopiesAreIndependentAndMovesKeepThePicture) {
    TEmfMetafile original = Record(30, 30, [](QPainter& p) { p.fillRect(0, 0, 30, 30, Qt::red); });
    const TEmfMetafile copy = original;
    {
        QPainter painter(&original.PaintDevice());
        painter.fillRect(0, 0, 30, 30, Qt::blue);
    }
    EXPECT_TRUE(AllOf(Play(copy, 30, 30, QRectF(0, 0, 30, 30)), QRect(0, 0, 30, 30), Qt::red));
    TEmfMetafile moved = std::move(original);
    {
        QPainter painter(&moved.PaintDevice());
        painter.fillRect(0, 0, 30, 30, Qt::green);
    }
    EXPECT_TRUE(AllOf(Play(moved, 30, 30, QRectF(0, 0, 30, 30)), QRect(0, 0, 30, 30), Qt::green));
}

TEST(EmfRoundTrip, TheFileHasAHeaderTheRecordsAndAnEndRecord) {
    const std::string bytes = Record(840, 1188, PageScene).Bytes();
    const TEmfRecord header(bytes);
    EXPECT_EQ(header.Type(), 1u);
    EXPECT_EQ(header.U32(40), 0x464D4520u);
    EXPECT_EQ(header.U32(48), bytes.size());
    // The frame: 840 x 1188 pixels at 96 dpi are 222.25 x 314.325 mm.
    EXPECT_EQ(header.I32(32), 22225);
    EXPECT_EQ(header.I32(36), 31433);
    const TEmfRecord last(std::string_view(bytes).substr(bytes.size() - 20));
    EXPECT_EQ(last.Type(), 14u);
    EXPECT_EQ(last.U32(4), 20u);
}

TEST(EmfRoundTrip, SizesBeyondTheLimitAreRefused) {
    EXPECT_THROW(TEmfMetafile(-1, 10), EReportError);
    EXPECT_THROW(TEmfMetafile(20000, 20000), EReportError);
    EXPECT_THROW(TEmfMetafile(50'000'000, 1), EReportError);
    EXPECT_NO_THROW(TEmfMetafile(0, 0));
    EXPECT_NO_THROW(TEmfMetafile(8400, 11880));
}
