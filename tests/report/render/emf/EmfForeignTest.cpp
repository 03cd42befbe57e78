// Records that other programs write and this program does not: map modes,
// polygons, ellipses, ANSI text, bitmaps, clipping, world transforms, paths.
#include "report/render/emf/EmfFormat.h"
#include "support/emf/EmfTestSupport.h"
#include "text/qt/QtCodec.h"

#include <gtest/gtest.h>

using namespace emf_test;

namespace {

void Rec(TEmfWriter& out, std::uint32_t type, std::initializer_list<std::int32_t> values) {
    out.Begin(static_cast<emf::TRecordType>(type));
    for (const std::int32_t value : values) {
        out.I32(value);
    }
    out.End();
}

std::int32_t Stock(emf::TStock stock) {
    return static_cast<std::int32_t>(emf::kStockObject | stock);
}

void NoPenBrush(TEmfWriter& out, std::int32_t handle, std::int32_t colorRef) {
    Rec(out, emf::kSelectObject, {Stock(emf::kNullPen)});
    Rec(out, emf::kCreateBrushIndirect, {handle, 0, colorRef, 0});
    Rec(out, emf::kSelectObject, {handle});
}

QImage PlayHandMade(const std::function<void(TEmfWriter&)>& add) {
    return Play(TEmfMetafile::FromBytes(HandMade(add)), 100, 100, QRectF(0, 0, 100, 100));
}

// A bitmap record drawing a DIB of that header and rows into (x, y, w, h).
void StretchDib(TEmfWriter& out, QRect target, std::int32_t width, std::int32_t height,
                std::uint16_t bitCount, const std::string& palette, const std::string& rows) {
    const auto infoSize = static_cast<std::uint32_t>(40 + palette.size());
    out.Begin(emf::kStretchDIBits);
    for (const std::int32_t v :
         {0, 0, 0, 0, target.x(), target.y(), 0, 0, width, height < 0 ? -height : height}) {
        out.I32(v);
    }
    out.U32(80);
    out.U32(infoSize);
    out.U32(80 + infoSize);
    out.U32(static_cast<std::uint32_t>(rows.size()));
    out.U32(0);
    out.U32(0x00CC0020);
    out.I32(target.width());
    out.I32(target.height());
    out.U32(40);
    out.I32(width);
    out.I32(height);
    out.U16(1);
    out.U16(bitCount);
    out.Zeros(16);
    out.U32(static_cast<std::uint32_t>(palette.size() / 4)); // colours used
    out.U32(0);
    out.Raw(palette);
    out.Raw(rows);
    out.End();
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

} // namespace

TEST(EmfForeign, AnisotropicMappingScalesTheDrawing) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        Rec(out, emf::kSetMapMode, {emf::kMmAnisotropic});
        Rec(out, emf::kSetWindowExtEx, {1000, 1000});
        Rec(out, emf::kSetViewportExtEx, {100, 100});
        Rec(out, emf::kSetWindowOrgEx, {-100, 0});
        NoPenBrush(out, 1, 0x000000);
        // Logical 0..410 across is device 10..51, less the excluded edge.
        Rec(out, emf::kRectangle, {0, 100, 410, 510});
    });
    EXPECT_TRUE(AllOf(image, QRect(10, 10, 40, 40), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(50, 10, 1, 41), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(9, 10, 1, 41), Qt::white));
}

TEST(EmfForeign, MetricMappingTurnsTheYAxisUp) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        Rec(out, emf::kSetMapMode, {emf::kMmLoMetric});
        Rec(out, emf::kSetViewportOrgEx, {0, 100});
        NoPenBrush(out, 1, 0x000000);
        // 0.1 mm units upwards from the bottom: 2.5 mm are 9.45 pixels, less
        // the excluded edge.
        Rec(out, emf::kRectangle, {0, 25, 25, 0});
    });
    EXPECT_TRUE(AllOf(image, QRect(0, 92, 8, 8), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 100, 91), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(9, 0, 91, 100), Qt::white));
}

TEST(EmfForeign, PolygonsEllipsesAndPathsAreFilled) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        NoPenBrush(out, 1, 0x0000FF); // red
        out.Begin(emf::kPolygon16);
        for (const std::int32_t v : {0, 0, 40, 40, 3}) {
            out.I32(v);
        }
        for (const std::int16_t v : {0, 0, 40, 0, 0, 40}) {
            out.I16(v);
        }
        out.End();
        Rec(out, emf::kEllipse, {50, 0, 101, 51});
        Rec(out, emf::kBeginPath, {});
        Rec(out, emf::kMoveToEx, {0, 60});
        Rec(out, emf::kLineTo, {40, 60});
        Rec(out, emf::kLineTo, {40, 100});
        Rec(out, emf::kCloseFigure, {});
        Rec(out, emf::kEndPath, {});
        Rec(out, emf::kFillPath, {0, 0, 0, 0});
    });
    EXPECT_TRUE(AllOf(image, QRect(2, 2, 15, 15), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(30, 30, 9, 9), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(65, 15, 20, 20), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(51, 1, 3, 3), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(30, 65, 8, 8), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(2, 80, 8, 8), Qt::white));
}

TEST(EmfForeign, PensDrawLinesOfTheirWidth) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        Rec(out, emf::kCreatePen, {1, emf::kPsSolid, 5, 0, 0x00FF00});
        Rec(out, emf::kSelectObject, {1});
        Rec(out, emf::kMoveToEx, {10, 20});
        Rec(out, emf::kLineTo, {90, 20});
        Rec(out, emf::kCreatePen, {2, emf::kPsDash, 0, 0, 0x000000});
        Rec(out, emf::kSelectObject, {2});
        Rec(out, emf::kMoveToEx, {10, 50});
        Rec(out, emf::kLineTo, {90, 50});
    });
    EXPECT_TRUE(AllOf(image, QRect(20, 18, 60, 5), Qt::green));
    EXPECT_TRUE(AllOf(image, QRect(20, 24, 60, 1), Qt::white));
    int dark = 0;
    for (int x = 10; x < 90; ++x) {
        dark += image.pixelColor(x, 50) == Qt::black ? 1 : 0;
    }
    EXPECT_GT(dark, 30);
    EXPECT_LT(dark, 80);
}

TEST(EmfForeign, AnsiTextInARussianFontIsWindows1251) {
    const std::string text = "Итого";
    const QImage image = PlayHandMade([&](TEmfWriter& out) {
        out.Begin(emf::kExtCreateFontIndirectW);
        out.U32(1);
        out.I32(-16);
        out.Zeros(12);
        out.I32(700);
        out.U8(0);
        out.U8(0);
        out.U8(0);
        out.U8(204); // Russian character set
        out.Zeros(4);
        for (const char c : std::string("Arial")) {
            out.U16(static_cast<std::uint16_t>(c));
        }
        out.Zeros(64 - 10);
        out.End();
        Rec(out, emf::kSelectObject, {1});
        Rec(out, emf::kSetBkMode, {emf::kTransparent});
        Rec(out, emf::kSetTextAlign, {emf::kTaBaseline});
        out.Begin(emf::kExtTextOutA);
        for (const std::int32_t v : {0, 0, 0, 0, 1, 0, 0, 10, 60, 5, 76, 0, 0, 0, 0, 0, 0}) {
            out.I32(v);
        }
        out.Raw(text);
        out.End();
    });
    const QImage direct = Draw(100, 100, [&](QPainter& painter) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(16);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QPointF(10, 60), ToQString(text));
    });
    EXPECT_TRUE(AnyDark(image, QRect(10, 45, 50, 15)));
    EXPECT_EQ(DifferentPixels(image, direct), 0);
}

TEST(EmfForeign, TextIsPlacedByTheAlignmentAndPaintsItsBackgroundWhenOpaque) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        Rec(out, emf::kSetBkColor, {0x00FFFF}); // yellow
        // Default alignment: the reference point is the text's top left.
        out.Begin(emf::kExtTextOutW);
        for (const std::int32_t v : {0, 0, 0, 0, 1, 0, 0, 10, 40, 2, 76, 0, 0, 0, 0, 0, 0}) {
            out.I32(v);
        }
        out.U16(u'W');
        out.U16(u'W');
        out.End();
    });
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 100, 40), Qt::white));
    EXPECT_TRUE(AnyDark(image, QRect(10, 40, 30, 20)));
    EXPECT_EQ(image.pixelColor(10, 40), QColor(Qt::yellow));
}

TEST(EmfForeign, BitmapsOfEachDepthAreDrawn) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        // 24 bits, bottom-up: the first row in the file is the bottom one.
        StretchDib(out, QRect(0, 0, 20, 20), 2, 2, 24, {},
                   Bytes({0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0}));
        // 8 bits with a palette of two colours.
        StretchDib(out, QRect(30, 0, 20, 10), 2, 1, 8, Bytes({255, 0, 0, 0, 0, 255, 255, 0}),
                   Bytes({1, 0, 0, 0}));
        // 1 bit: 10 pixels from the bits 1010000011.
        StretchDib(out, QRect(0, 30, 10, 1), 10, 1, 1, Bytes({0, 0, 0, 0, 255, 255, 255, 0}),
                   Bytes({0xA0, 0xC0, 0, 0}));
        // 32 bits, top-down.
        StretchDib(out, QRect(60, 0, 10, 20), 1, -2, 32, {}, Bytes({0, 255, 0, 0, 255, 0, 255, 0}));
    });
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 10, 10), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(10, 0, 10, 10), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(0, 10, 10, 10), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(10, 10, 10, 10), Qt::green));
    EXPECT_TRUE(AllOf(image, QRect(30, 0, 10, 10), QColor(255, 255, 0)));
    EXPECT_TRUE(AllOf(image, QRect(40, 0, 10, 10), Qt::blue));
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.pixelColor(x, 30),
                  (x == 0 || x == 2 || x >= 8) ? QColor(Qt::white) : QColor(Qt::black))
            << "x = " << x;
    }
    EXPECT_TRUE(AllOf(image, QRect(60, 0, 10, 10), Qt::green));
    EXPECT_TRUE(AllOf(image, QRect(60, 10, 10, 10), Qt::magenta));
}

TEST(EmfForeign, ClippingIsSavedAndRestored) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        NoPenBrush(out, 1, 0xFF0000); // blue
        Rec(out, emf::kSaveDC, {});
        Rec(out, emf::kIntersectClipRect, {10, 10, 30, 30});
        Rec(out, emf::kExcludeClipRect, {10, 10, 15, 15});
        Rec(out, emf::kRectangle, {0, 0, 101, 101});
        Rec(out, emf::kRestoreDC, {-1});
        // The brush selected before the save is back, and nothing is clipped.
        Rec(out, emf::kRectangle, {80, 80, 91, 91});
        Rec(out, emf::kExtSelectClipRgn,
            {48, emf::kRgnCopy, 32, 1, 1, 16, 0, 50, 10, 60, 0, 50, 10, 60});
        Rec(out, emf::kBitBlt,
            {0, 0, 0, 0, 0, 40, 100, 30, static_cast<std::int32_t>(emf::kRopPatCopy),
             0, 0, 0, 0, 0, 0,  0,   0,  0,
             0, 0, 0, 0, 0});
    });
    EXPECT_TRUE(AllOf(image, QRect(15, 10, 15, 20), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(10, 10, 5, 5), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 100, 10), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(80, 80, 10, 10), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(0, 50, 10, 10), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(10, 40, 90, 10), Qt::white));
}

TEST(EmfForeign, WorldTransformsAreSetAndModified) {
    const QImage image = PlayHandMade([](TEmfWriter& out) {
        NoPenBrush(out, 1, 0x000000);
        out.Begin(emf::kSetWorldTransform);
        for (const float v : {2.0f, 0.0f, 0.0f, 2.0f, 10.0f, 0.0f}) {
            out.F32(v);
        }
        out.End();
        Rec(out, emf::kRectangle, {0, 0, 11, 11}); // (10, 0) to (30, 20)
        out.Begin(emf::kModifyWorldTransform);
        out.Zeros(24);
        out.U32(emf::kMwtIdentity);
        out.End();
        Rec(out, emf::kRectangle, {50, 50, 61, 61});
    });
    EXPECT_TRUE(AllOf(image, QRect(10, 0, 20, 20), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 10, 20), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(50, 50, 10, 10), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(60, 50, 10, 10), Qt::white));
}

TEST(EmfForeign, ThePaintersOwnClipStaysInForce) {
    const TEmfMetafile metafile = TEmfMetafile::FromBytes(HandMade([](TEmfWriter& out) {
        NoPenBrush(out, 1, 0xFF0000); // blue
        Rec(out, emf::kExtSelectClipRgn,
            {48, emf::kRgnCopy, 32, 1, 1, 16, 0, 0, 60, 100, 0, 0, 60, 100});
        Rec(out, emf::kRectangle, {0, 0, 101, 51});
        // Clipping reset: back to the painter's clip, not to none.
        Rec(out, emf::kExtSelectClipRgn, {0, emf::kRgnCopy});
        Rec(out, emf::kRectangle, {0, 60, 101, 101});
    }));
    const QImage image = Draw(100, 100, [&](QPainter& painter) {
        painter.setClipRect(QRect(20, 0, 60, 100));
        metafile.Play(painter, QRectF(0, 0, 100, 100));
        // The painter's state is as it was.
        EXPECT_EQ(painter.clipBoundingRect(), QRectF(20, 0, 60, 100));
        EXPECT_TRUE(painter.transform().isIdentity());
    });
    EXPECT_TRUE(AllOf(image, QRect(20, 0, 40, 50), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 20, 100), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(60, 0, 40, 50), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(20, 60, 60, 40), Qt::blue));
    EXPECT_TRUE(AllOf(image, QRect(80, 60, 20, 40), Qt::white));
}

TEST(EmfForeign, AlphaBlendedBitmapsLetTheBackgroundThrough) {
    // A 32-bit bitmap (bottom-up, one row) blended into (x, 0, 20, 10).
    const auto blend = [](TEmfWriter& out, int x, int constantAlpha, bool ownAlpha,
                          const std::string& pixels) {
        out.Begin(emf::kAlphaBlend);
        for (const std::int32_t v : {0, 0, 0, 0, x, 0, 20, 10}) {
            out.I32(v);
        }
        for (const int b : {0, 0, constantAlpha, ownAlpha ? 1 : 0}) {
            out.U8(static_cast<std::uint8_t>(b));
        }
        out.Zeros(8 + 24 + 8); // source origin, its transform, colour and usage
        out.U32(108);
        out.U32(40);
        out.U32(148);
        out.U32(static_cast<std::uint32_t>(pixels.size()));
        out.I32(static_cast<std::int32_t>(pixels.size() / 4));
        out.I32(1);
        out.U32(40);
        out.I32(static_cast<std::int32_t>(pixels.size() / 4));
        out.I32(1);
        out.U16(1);
        out.U16(32);
        out.Zeros(24);
        out.Raw(pixels);
        out.End();
    };
    const QImage image = PlayHandMade([&](TEmfWriter& out) {
        NoPenBrush(out, 1, 0x000000);
        Rec(out, emf::kRectangle, {0, 0, 101, 101});
        // Opaque red, then blue at half alpha (premultiplied).
        blend(out, 0, 255, true, Bytes({0, 0, 255, 255, 128, 0, 0, 128}));
        // White laid at half the constant alpha.
        blend(out, 40, 128, false, Bytes({255, 255, 255, 0}));
    });
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 10, 10), Qt::red));
    EXPECT_TRUE(AllOf(image, QRect(10, 0, 10, 10), QColor(0, 0, 128)));
    EXPECT_NEAR(qRed(image.pixel(45, 5)), 128, 1);
    EXPECT_TRUE(AllOf(image, QRect(0, 10, 100, 90), Qt::black));
}

TEST(EmfForeign, RegionsAreFilledWithTheirBrush) {
    // Region data: its header, then the rectangles.
    const auto region = [](TEmfWriter& out, std::initializer_list<QRect> rects) {
        for (const std::int32_t v : {32, 1, static_cast<std::int32_t>(rects.size()),
                                     static_cast<std::int32_t>(16 * rects.size()), 0, 0, 0, 0}) {
            out.I32(v);
        }
        for (const QRect& rect : rects) {
            out.I32(rect.left());
            out.I32(rect.top());
            out.I32(rect.right() + 1);
            out.I32(rect.bottom() + 1);
        }
    };
    const QImage image = PlayHandMade([&](TEmfWriter& out) {
        Rec(out, emf::kCreateBrushIndirect, {1, 0, 0x00FF00, 0});
        out.Begin(emf::kFillRgn);
        out.Zeros(16);
        out.U32(64);
        out.U32(1);
        region(out, {QRect(0, 0, 10, 10), QRect(20, 0, 10, 10)});
        out.End();
        Rec(out, emf::kSelectObject, {Stock(emf::kBlackBrush)});
        out.Begin(emf::kPaintRgn);
        out.Zeros(16);
        out.U32(48);
        region(out, {QRect(0, 50, 30, 10)});
        out.End();
    });
    EXPECT_TRUE(AllOf(image, QRect(0, 0, 10, 10), Qt::green));
    EXPECT_TRUE(AllOf(image, QRect(10, 0, 10, 10), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(20, 0, 10, 10), Qt::green));
    EXPECT_TRUE(AllOf(image, QRect(0, 50, 30, 10), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(0, 60, 100, 40), Qt::white));
}
