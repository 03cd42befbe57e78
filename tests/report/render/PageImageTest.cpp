// The page image on pixels at 100 %: frame lines and their dashes, fills,
// page numbers, alignment insets, pictures, and the page as a screen shows
// it at a zoom with its outline and shadow.
#include "RenderTestSupport.h"
#include "report/Base64.h"
#include "report/render/DrawAlignedText.h"
#include "report/render/PagePng.h"
#include "report/render/ReportCanvas.h"
#include "report/render/ReportFont.h"
#include "report/render/emf/EmfMetafile.h"

#include <QPainter>

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace render_test;

namespace {

// The page drawn as a screen shows it, onto a grey image of `size`.
QImage Shown(IReport3Page& page, std::int32_t zoom, QSize size, std::int32_t x = 0,
             std::int32_t y = 0) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    IReport3Canvas canvas(painter);
    page.Draw(&canvas, zoom, x, y);
    return image;
}

// The page image keeps glyphs where drawing them straight puts them; only
// their anti-aliased edges may differ by a fraction of a pixel.
void ExpectSameText(const QImage& drawn, const QImage& expected) {
    EXPECT_EQ(DarkBounds(drawn), DarkBounds(expected));
    EXPECT_LT(DifferentPixels(drawn, expected, 128), 10);
}

// The dark pixels of a region, row after row, as "#" and ".".
std::vector<std::string> Ink(const QImage& image, const QRect& region) {
    std::vector<std::string> rows;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        rows.push_back(RowInk(image, y, region.left(), region.width()));
    }
    return rows;
}

// The outline of the pixels (left, top) to (right, bottom) inclusive, each
// side `thickness` pixels about its line, within `region`.
std::vector<std::string> Outline(const QRect& region, int left, int top, int right, int bottom,
                                 int thickness) {
    const int h = thickness / 2;
    std::vector<std::string> rows;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        std::string row;
        for (int x = region.left(); x <= region.right(); ++x) {
            const bool outer = x >= left - h && x <= right + h && y >= top - h && y <= bottom + h;
            const bool inner = x > left + h && x < right - h && y > top + h && y < bottom - h;
            row += outer && !inner ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(PageImage, SolidSidesReachTheirFarEndsSoThatEveryCornerIsClosed) {
    for (const int width : {1, 2}) {
        SCOPED_TRACE(width);
        const auto report = MakeQtReport();
        const auto page = report->GetPage(1);
        const std::string side = std::to_string(width) + "b";
        // 5 x 2,5 mm from (10, 10) mm: pixels 40 to 60 across and 40 to 50 down.
        AddBox(*page, 10, 10, 5, 2.5, "", side + side + side + side);
        // A box of no size is a square of the line's thickness.
        AddBox(*page, 30, 10, 0, 0, "", side + side + side + side);
        // An underline ends on its last pixel too.
        AddBox(*page, 10, 20, 5, 2.5, "", "0b0b0b" + side);
        const QImage image = PagePicture(*page);
        const QRect box(36, 36, 29, 19);
        EXPECT_EQ(Ink(image, box), Outline(box, 40, 40, 60, 50, 2 * (width / 2) + 1));
        const QRect dot(116, 36, 9, 9);
        EXPECT_EQ(Ink(image, dot), Outline(dot, 120, 40, 120, 40, 2 * (width / 2) + 1));
        const int h = width / 2;
        EXPECT_EQ(RowInk(image, 90, 37, 27),
                  std::string(3 - h, '.') + std::string(21 + 2 * h, '#') + std::string(3 - h, '.'));
    }
}

TEST(PageImage, SolidFrameOfWidthTwoIsThreePixelsThickAndStoredLong) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    const auto box = AddBox(*page, 10, 10, 50, 5, "", "2");
    const QImage image = PagePicture(*page);
    EXPECT_EQ(image.size(), QSize(840, 1188));
    EXPECT_EQ(box->GetFrame(), "2b2b2b2b");
    // Left and right lines at x = 40 and 240, top and bottom at y = 40 and 60,
    // each overhanging its ends by one pixel.
    EXPECT_EQ(RowInk(image, 50, 37, 7), "..###..");
    EXPECT_EQ(RowInk(image, 50, 237, 7), "..###..");
    EXPECT_EQ(ColumnInk(image, 100, 37, 7), "..###..");
    EXPECT_EQ(ColumnInk(image, 100, 57, 7), "..###..");
    EXPECT_EQ(RowInk(image, 40, 38, 3), ".##");
    EXPECT_EQ(RowInk(image, 40, 240, 4), "##..");
    EXPECT_EQ(ColumnInk(image, 40, 38, 3), ".##");
    EXPECT_EQ(ColumnInk(image, 40, 60, 4), "##..");
}

TEST(PageImage, WidthsGiveOddThicknesses) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    AddBox(*page, 10, 10, 10, 10, "", "1b0b0b0b");
    AddBox(*page, 30, 10, 10, 10, "", "3b0b0b0b");
    AddBox(*page, 50, 10, 10, 10, "", "4b0b0b0b");
    AddBox(*page, 70, 10, 10, 10, "", "2x2z0b0b");
    const QImage image = PagePicture(*page);
    EXPECT_EQ(RowInk(image, 60, 37, 7), "...#...");
    EXPECT_EQ(RowInk(image, 60, 117, 7), "..###..");
    EXPECT_EQ(RowInk(image, 60, 197, 7), ".#####.");
    EXPECT_FALSE(HasInk(image, QRect(270, 30, 60, 60)));
}

TEST(PageImage, DashesAndDotsRepeatByTheWidth) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    // 25 mm is a 100-pixel top line from x = 40.
    AddBox(*page, 10, 10, 25, 25, "", "1c1c1c1c");
    AddBox(*page, 10, 50, 25, 25, "", "1d1d1d1d");
    const QImage image = PagePicture(*page);
    EXPECT_EQ(RowInk(image, 40, 40, 20), "#####...#####...####");
    EXPECT_EQ(RowInk(image, 40, 136, 8), "#####...");
    EXPECT_EQ(RowInk(image, 200, 40, 13), "#...#...#...#");
    EXPECT_EQ(ColumnInk(image, 40, 200, 10), "#..#..#..#");
    // The right side is dotted down from its own top.
    EXPECT_EQ(ColumnInk(image, 140, 200, 7), "#..#..#");
}

TEST(PageImage, FillsCoverTheBoxWithoutItsRightAndBottomEdges) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    AddBox(*page, 10, 10, 5, 5)->SetColor(0x0000FF);
    AddBox(*page, 30, 10, 5, 5)->SetColor(kNoColor);
    const QImage image = PagePicture(*page);
    EXPECT_EQ(image.pixel(40, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(59, 59), qRgb(255, 0, 0));
    EXPECT_TRUE(IsWhite(image, 60, 50));
    EXPECT_TRUE(IsWhite(image, 50, 60));
    EXPECT_FALSE(HasInk(image, QRect(120, 40, 20, 20)));
}

TEST(PageImage, PageNumbersAreDrawnAndTheTextKeepsItsPlaceholders) {
    const auto report = MakeQtReport();
    report->GetPage(5);
    const auto page = report->GetPage(2);
    const auto numbers = AddBox(*page, 10, 10, 40, 10, "{pagenumber}/{pagecount}");
    const auto other = MakeQtReport();
    AddBox(*other->GetPage(1), 10, 10, 40, 10, "2/5");
    const QImage drawn = PagePicture(*page);
    EXPECT_TRUE(HasInk(drawn, QRect(40, 40, 160, 40)));
    EXPECT_EQ(DifferentPixels(drawn, PagePicture(*other->GetPage(1))), 0);
    EXPECT_EQ(numbers->GetText(), "{pagenumber}/{pagecount}");
}

TEST(PageImage, TextSetAgainstACornerKeepsAPixelFromIt) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    const auto box = AddBox(*page, 10, 10, 30, 10, "Ведомость");
    box->SetAlign(1);
    QImage expected(840, 1188, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setFont(ReportFont("Arial", 10, 0));
        DrawAlignedText(painter, 41, 41, 119, 39, "Ведомость", 1, true);
    }
    ExpectSameText(PagePicture(*page), expected);
}

TEST(PageImage, InnerRectanglesShrinkTheTextBox) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    const auto box = AddBox(*page, 10, 10, 30, 10, "Итого");
    box->SetAlign(3);
    box->SetInnerRect({2, 3, 4, 5});
    QImage expected(840, 1188, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setFont(ReportFont("Arial", 10, 0));
        DrawAlignedText(painter, 42, 44, 120 - 1 - 2 - 4, 40 - 1 - 3 - 5, "Итого", 3, true);
    }
    ExpectSameText(PagePicture(*page), expected);
}

TEST(PageImage, PicturesArePlayedStretchedAndBadOnesDrawNothing) {
    TEmfMetafile picture(10, 10);
    {
        QPainter painter(&picture.PaintDevice());
        painter.fillRect(QRect(0, 0, 10, 10), Qt::black);
    }
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    AddBox(*page, 10, 10, 10, 5)->SetMetafile(picture.Bytes());
    AddBox(*page, 30, 10, 10, 5, "!EMF" + Base64Encode("not a metafile"));
    AddBox(*page, 50, 10, 10, 5, "!EMF@@@");
    AddBox(*page, 70, 10, 10, 5, "!EMF");
    const QImage image = PagePicture(*page);
    // Centred by default: the whole 40 x 20 box.
    EXPECT_TRUE(IsBlack(image, 40, 40));
    EXPECT_TRUE(IsBlack(image, 79, 59));
    EXPECT_TRUE(IsWhite(image, 80, 50));
    EXPECT_TRUE(IsWhite(image, 50, 60));
    EXPECT_FALSE(HasInk(image, QRect(100, 30, 300, 40)));
}

TEST(PageImage, AbsurdBoxesAndFontsDrawWithoutFailing) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    const auto huge = AddBox(*page, 0, 0, 0, 0, "x", "9c9d9b9c");
    huge->SetX(-4'000'000'000'000'000'000);
    huge->SetW(9'000'000'000'000'000'000);
    huge->SetH(9'000'000'000'000'000'000);
    huge->SetFontSize(-5);
    const auto negative = AddBox(*page, 50, 50, -10, -10, "y", "1");
    negative->SetColor(255);
    negative->SetAlign(12);
    const QImage image = PagePicture(*page);
    EXPECT_EQ(image.size(), QSize(840, 1188));
}

TEST(PageDraw, AtZoom75APortraitPageIs628PixelsWithOutlineAndShadow) {
    const auto report = MakeQtReport();
    const QImage image = Shown(*report->GetPage(1), 75, QSize(700, 950));
    // 210 x 75 div 100 = 157 mm: from 8 to 636; 297 x 75 div 100 = 222 mm: 8 to 896.
    EXPECT_EQ(RowInk(image, 400, 7, 3), ".#.");
    EXPECT_TRUE(IsWhite(image, 9, 400));
    EXPECT_TRUE(IsWhite(image, 634, 400));
    EXPECT_EQ(RowInk(image, 400, 635, 4), "###.");
    EXPECT_EQ(ColumnInk(image, 300, 894, 5), ".###.");
    // The shadow starts two pixels in from the page's top and left corners.
    EXPECT_EQ(ColumnInk(image, 636, 8, 3), "..#");
    EXPECT_EQ(RowInk(image, 897, 8, 3), "..#");
    EXPECT_EQ(RowInk(image, 897, 635, 4), "###.");
}

TEST(PageDraw, ABlankPageIsWhiteInsideItsOutline) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    const QImage image = Shown(*page, 100, QSize(900, 1250), -8, -8);
    EXPECT_TRUE(IsBlack(image, 0, 0));
    EXPECT_TRUE(IsBlack(image, 839, 1187));
    EXPECT_FALSE(HasInk(image, QRect(1, 1, 838, 1186)));
    EXPECT_TRUE(IsBlack(image, 841, 1189));
    EXPECT_EQ(image.pixel(845, 600), qRgb(128, 128, 128));
}

TEST(PageDraw, LandscapePagesMoveThePageNumber) {
    const auto report = MakeQtReport();
    report->SetPageNumbers(true);
    const auto page = report->GetPage(1);
    page->SetOrientation(kOrientationLandscape);
    const QImage image = PagePicture(*page);
    EXPECT_EQ(image.size(), QSize(1188, 840));
    // 297 div 2 - 10 = 138 mm across, 200 mm down, 30 x 5 mm.
    EXPECT_TRUE(HasInk(image, QRect(552, 800, 120, 20)));
    QImage rest = image;
    {
        QPainter painter(&rest);
        painter.fillRect(QRect(552, 800, 120, 20), Qt::white);
    }
    EXPECT_FALSE(HasInk(rest, rest.rect()));
}

TEST(PageImage, AtSmallZoomsEveryFrameLineStaysDarkerThanThePaper) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    // Lines of one pixel: a box from (20, 40) mm of 100 x 50 mm, and a
    // dashed cut line below it.
    AddBox(*page, 20, 40, 100, 50, "", "1");
    AddBox(*page, 20, 120, 100, 5, "", "0a0a0a1c");
    for (const int zoom : {10, 25, 50, 75}) {
        SCOPED_TRACE(zoom);
        const QImage image = Shown(*page, zoom, QSize(900, 1300));
        // Page pixel p lands on 8 + p * zoom / 100 of the screen.
        const auto at = [zoom](int pagePixel) { return 8 + pagePixel * zoom / 100; };
        // The darkest pixel of a rectangle of the screen.
        const auto darkest = [&](const QRect& rect) {
            int gray = 255;
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    gray = std::min(gray, qGray(image.pixel(x, y)));
                }
            }
            return gray;
        };
        // Across each side, near its middle; and all along the dashed line.
        const int midX = at(80 + 200);
        const int midY = at(160 + 100);
        EXPECT_LT(darkest(QRect(at(80) - 1, midY, 3, 1)), 250);
        EXPECT_LT(darkest(QRect(at(480) - 1, midY, 3, 1)), 250);
        EXPECT_LT(darkest(QRect(midX, at(160) - 1, 1, 3)), 250);
        EXPECT_LT(darkest(QRect(midX, at(360) - 1, 1, 3)), 250);
        // The page's height is rounded to whole pixels, so at 10 % the line
        // may sit two pixels above where the rule of three puts it.
        for (int x = at(80) + 2; x < at(480) - 6; x += 4) {
            EXPECT_LT(darkest(QRect(x, at(500) - 3, 4, 5)), 250) << x;
        }
    }
}
