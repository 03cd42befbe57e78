// Aligned text on a 96-dpi image: where the ink lands for each keypad code,
// and that drawn lines agree with what the measuring canvas counted.
#include "report/render/DrawAlignedText.h"
#include "report/render/QtMeasuringCanvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct TInk {
    int Left = -1, Top = -1, Right = -1, Bottom = -1;
    bool Any() const { return Left >= 0; }
};

// Draws into a white 400 x 200 image with Arial 10 pt at 96 dpi and finds the dark pixels.
TInk InkOf(const std::string& text, int alignment, bool wrap, QRect box = {100, 50, 200, 100}) {
    QImage image(400, 200, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font("Arial");
        font.setPixelSize(13);
        font.setHintingPreference(QFont::PreferNoHinting);
        painter.setFont(font);
        DrawAlignedText(painter, box.x(), box.y(), box.width(), box.height(), text, alignment,
                        wrap);
    }
    TInk ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink.Left = ink.Left < 0 ? x : std::min(ink.Left, x);
                ink.Right = std::max(ink.Right, x);
                ink.Top = ink.Top < 0 ? y : std::min(ink.Top, y);
                ink.Bottom = std::max(ink.Bottom, y);
            }
        }
    }
    return ink;
}

} // namespace

TEST(DrawAlignedText, KeypadCodesPlaceTheText) {
    const TInk topLeft = InkOf("Сумма", 1, true);
    ASSERT_TRUE(topLeft.Any());
    EXPECT_LE(topLeft.Left, 102);
    EXPECT_LE(topLeft.Top, 55);

    const TInk bottomRight = InkOf("Сумма", 9, true);
    EXPECT_GE(bottomRight.Right, 295);
    EXPECT_LE(bottomRight.Right, 299);
    EXPECT_GE(bottomRight.Bottom, 140);

    const TInk centre = InkOf("Сумма", 5, true);
    const int middle = (centre.Left + centre.Right) / 2;
    EXPECT_NEAR(middle, 200, 3);
    EXPECT_NEAR((centre.Top + centre.Bottom) / 2, 100, 4);

    // An unknown code is centred like 5.
    const TInk unknown = InkOf("Сумма", 0, true);
    EXPECT_NEAR((unknown.Left + unknown.Right) / 2, middle, 1);
    EXPECT_EQ(unknown.Top, centre.Top);
}

TEST(DrawAlignedText, NothingOutsideTheBox) {
    const std::string longText(200, 'W');
    for (int alignment : {1, 5, 9}) {
        const TInk ink = InkOf(longText, alignment, false);
        ASSERT_TRUE(ink.Any());
        EXPECT_GE(ink.Left, 100) << alignment;
        // The drawing rectangle keeps 3 pixels of overhang past the right edge.
        EXPECT_LE(ink.Right, 299 + 3) << alignment;
        EXPECT_GE(ink.Top, 50) << alignment;
        EXPECT_LE(ink.Bottom, 149) << alignment;
    }
    EXPECT_FALSE(InkOf("", 5, true).Any());
    EXPECT_FALSE(InkOf("Сумма", 5, true, {100, 50, 0, 100}).Any());
}

TEST(DrawAlignedText, WrappedLinesMatchTheMeasuredHeight) {
    const std::string text = "Сто двадцать три рубля сорок пять копеек";
    TQtMeasuringCanvas canvas;
    canvas.SetFont("Arial", 10, 0);
    const std::int64_t measured = canvas.MeasureWrappedHeight(text, 120);
    ASSERT_EQ(measured, 45); // three lines of 15 pixels

    const TInk ink = InkOf(text, 1, true, {100, 20, 120, 160});
    EXPECT_GT(ink.Bottom - ink.Top, 2 * 15);
    EXPECT_LT(ink.Bottom - ink.Top, 3 * 15);
    EXPECT_LE(ink.Right, 220 + 3);

    // Without word wrap the same text stays on one line.
    const TInk single = InkOf(text, 1, false, {100, 20, 120, 160});
    EXPECT_LT(single.Bottom - single.Top, 15);
}
