// Malformed metafiles are refused with a message that says so; damaged or
// unknown records inside a sound file are skipped and the rest is drawn.
#include "report/ReportError.h"
#include "report/render/emf/EmfFormat.h"
#include "support/emf/EmfTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace emf_test;

namespace {

void Put(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void Rec(TEmfWriter& out, std::uint32_t type, std::initializer_list<std::int32_t> values) {
    out.Begin(static_cast<emf::TRecordType>(type));
    for (const std::int32_t value : values) {
        out.I32(value);
    }
    out.End();
}

// A black 20 x 20 square at (10, 10): the drawing the damaged records are put before.
void BlackSquare(TEmfWriter& out) {
    Rec(out, emf::kSelectObject, {static_cast<std::int32_t>(emf::kStockObject | emf::kNullPen)});
    Rec(out, emf::kSelectObject, {static_cast<std::int32_t>(emf::kStockObject | emf::kBlackBrush)});
    Rec(out, emf::kRectangle, {10, 10, 31, 31});
}

QImage PlayHandMade(const std::string& bytes) {
    return Play(TEmfMetafile::FromBytes(bytes), 100, 100, QRectF(0, 0, 100, 100));
}

bool SquareDrawn(const QImage& image) {
    return AllOf(image, QRect(10, 10, 20, 20), Qt::black) &&
           AllOf(image, QRect(30, 10, 1, 21), Qt::white) &&
           AllOf(image, QRect(10, 30, 21, 1), Qt::white);
}

constexpr std::uint32_t kFirstRecord = emf::kHeaderSize;

} // namespace

TEST(EmfReader, MalformedFilesAreRefusedWithAClearMessage) {
    const std::string good = HandMade(BlackSquare);
    const std::uint32_t eof = static_cast<std::uint32_t>(good.size() - 20);
    // The good file with 32-bit values put at offsets.
    const auto patched = [&](std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> puts) {
        std::string bytes = good;
        for (const auto& [offset, value] : puts) {
            Put(bytes, offset, value);
        }
        return bytes;
    };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"shorter than a header", good.substr(0, 87)},
        {"text", std::string(200, 'x')},
        {"first record not a header", patched({{0, 2}})},
        {"wrong signature", patched({{40, 0x464D4521}})},
        {"header size not whole words", patched({{4, 90}})},
        {"header size too small", patched({{4, 80}})},
        {"header size past the end", patched({{4, 4096}})},
        {"truncated", good.substr(0, good.size() - 4)},
        {"huge declared size", patched({{48, 0xFFFFFFF0}})},
        {"huge record count", patched({{52, 0xFFFFFFFF}})},
        {"record size not whole words", patched({{kFirstRecord + 4, 13}})},
        {"record of size 0", patched({{kFirstRecord + 4, 0}})},
        {"record past the end", patched({{kFirstRecord + 4, 0x7FFFFFFC}})},
        {"no end record", patched({{eof, emf::kSetBkMode}})},
        {"huge frame", patched({{32, 0x7FFFFFFF}, {36, 0x7FFFFFFF}})},
        {"frame and bounds backwards",
         patched({{24, 5000}, {16, static_cast<std::uint32_t>(-50)}})},
        {"no device and huge bounds", patched({{72, 0}, {16, 0x7FFFFFFF}, {20, 0x7FFFFFFF}})},
    };
    for (const auto& [name, data] : cases) {
        try {
            TEmfMetafile::FromBytes(data);
            ADD_FAILURE() << name << ": accepted";
        } catch (const EReportError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Неверный формат метафайла: ", 0), 0u)
                << name;
        }
    }
}

TEST(EmfReader, BytesAfterTheDeclaredEndAreIgnored) {
    const std::string good = HandMade(BlackSquare);
    const TEmfMetafile metafile = TEmfMetafile::FromBytes(good + std::string(64, '\xFF'));
    EXPECT_EQ(metafile.Bytes(), good);
    EXPECT_EQ(metafile.Width(), 100);
    EXPECT_TRUE(SquareDrawn(PlayHandMade(good)));
}

TEST(EmfReader, UnknownRecordsAreSkipped) {
    const std::string bytes = HandMade([](TEmfWriter& out) {
        Rec(out, 9999, {1, 2, 3, 4, 5});
        Rec(out, 70, {8, 0x2B464D45, 0}); // a comment, such as EMF+ data
        Rec(out, 0, {});
        BlackSquare(out);
    });
    EXPECT_TRUE(SquareDrawn(PlayHandMade(bytes)));
}

TEST(EmfReader, DamagedRecordsAreSkippedAndTheRestIsDrawn) {
    const std::string bytes = HandMade(
        [](TEmfWriter& out) {
            // Objects at handles the file did not declare, or no handle at all.
            Rec(out, emf::kCreateBrushIndirect, {500, 0, 0x0000FF, 0});
            Rec(out, emf::kCreateBrushIndirect, {0, 0, 0x0000FF, 0});
            Rec(out, emf::kSelectObject, {500});
            Rec(out, emf::kSelectObject, {-5});
            Rec(out, emf::kDeleteObject, {70000});
            // Records too short for what they describe.
            Rec(out, emf::kCreatePen, {1});
            Rec(out, emf::kExtCreateFontIndirectW, {2, -13});
            Rec(out, emf::kRectangle, {});
            Rec(out, emf::kPolygon16, {0, 0, 10, 10, 1000000000, 5});
            Rec(out, emf::kPolyPolygon16, {0, 0, 10, 10, 2, 6, 3, 4, 0, 0, 5, 5, 0, 5});
            Rec(out, emf::kPolyPolygon, {0, 0, 10, 10, 0x40000000, 6, 3});
            Rec(out, emf::kExtTextOutW,
                {0, 0, 0, 0, 1, 0, 0, 5, 5, 0x7FFFFFFF, 76, 0, 0, 0, 0, 0, 0});
            Rec(out, emf::kExtCreatePen, {3, 0, 0, 0, 0, 0x10007, 10, 0, 0, 0, 0x7FFFFFFF});
            Rec(out, emf::kExtSelectClipRgn, {48, 5, 32, 1, 0x7FFFFFFF, 0, 0, 0, 0, 0});
            // A transform that would throw everything off the page, then the
            // identity again.
            Rec(out, emf::kSetWorldTransform, {0x7F800000, 0, 0, 0x7F800000, 0, 0});
            Rec(out, emf::kSetWorldTransform, {0x5F000000, 0, 0, 0x5F000000, 0, 0});
            Rec(out, emf::kRestoreDC, {5});
            Rec(out, emf::kRestoreDC, {-3});
            Rec(out, emf::kSetViewportExtEx, {0, 0});
            Rec(out, emf::kScaleWindowExtEx, {1, 0, 1, 0});
            BlackSquare(out);
        },
        8);
    EXPECT_TRUE(SquareDrawn(PlayHandMade(bytes)));
}

TEST(EmfReader, RecordsTooShortForTheirFieldsAreSkipped) {
    const std::string bytes = HandMade([](TEmfWriter& out) {
        Rec(out, emf::kSelectObject,
            {static_cast<std::int32_t>(emf::kStockObject | emf::kBlackPen)});
        Rec(out, emf::kMoveToEx, {60, 60});
        // Read as zeros, these would draw a line to the corner, clip
        // everything away and move the pen to the corner.
        Rec(out, emf::kLineTo, {});
        Rec(out, emf::kIntersectClipRect, {10});
        Rec(out, emf::kMoveToEx, {});
        Rec(out, emf::kLineTo, {80, 60});
        BlackSquare(out);
    });
    const QImage image = PlayHandMade(bytes);
    EXPECT_TRUE(SquareDrawn(image));
    EXPECT_TRUE(AnyDark(image, QRect(62, 58, 16, 5)));
    EXPECT_FALSE(AnyDark(image, QRect(42, 42, 6, 6)));
    EXPECT_FALSE(AnyDark(image, QRect(36, 26, 8, 8)));
}

TEST(EmfReader, BitmapsThatDoNotAddUpAreSkipped) {
    const auto stretch = [](TEmfWriter& out, std::int32_t width, std::int32_t height,
                            std::uint16_t bits, std::uint32_t dataBytes) {
        out.Begin(emf::kStretchDIBits);
        for (const std::int32_t v : {0, 0, 0, 0, 0, 0, 0, 0, width, height}) {
            out.I32(v);
        }
        out.U32(80);
        out.U32(40);
        out.U32(120);
        out.U32(dataBytes);
        out.U32(0);
        out.U32(0x00CC0020);
        out.I32(100);
        out.I32(100);
        out.U32(40);
        out.I32(width);
        out.I32(height);
        out.U16(1);
        out.U16(bits);
        out.Zeros(24);
        out.Zeros(dataBytes);
        out.End();
    };
    const std::string bytes = HandMade([&](TEmfWriter& out) {
        stretch(out, 0x7FFFFFFF, 0x7FFFFFFF, 32, 16);             // sizes that overflow
        stretch(out, 20000, 20000, 1, 64);                        // over the pixel limit
        stretch(out, 4, std::numeric_limits<int>::min(), 24, 48); // a height with no positive form
        stretch(out, 100, 100, 24, 64);                           // fewer bytes than pixels
        stretch(out, 4, 4, 7, 64);                                // no such pixel size
        BlackSquare(out);
    });
    EXPECT_TRUE(SquareDrawn(PlayHandMade(bytes)));
}

TEST(EmfReader, DeepSavesAndPathsWithoutEndAreHarmless) {
    const std::string bytes = HandMade([](TEmfWriter& out) {
        for (int i = 0; i < 3000; ++i) {
            Rec(out, emf::kSaveDC, {});
        }
        Rec(out, emf::kBeginPath, {});
        Rec(out, emf::kLineTo, {50, 50});
        Rec(out, emf::kAbortPath, {});
        Rec(out, emf::kFillPath, {0, 0, 0, 0});
        Rec(out, emf::kEndPath, {});
        Rec(out, emf::kSelectClipPath, {5});
        Rec(out, emf::kRestoreDC, {1});
        BlackSquare(out);
    });
    EXPECT_TRUE(SquareDrawn(PlayHandMade(bytes)));
}

TEST(EmfReader, TextTooLargeToDrawIsSkippedAndLargeTextIsOutlined) {
    const auto text = [](TEmfWriter& out, std::int32_t height, std::int32_t escapement,
                         std::int32_t x, std::int32_t y) {
        out.Begin(emf::kExtCreateFontIndirectW);
        out.U32(1);
        out.I32(-height);
        out.I32(0);
        out.I32(escapement);
        out.Zeros(4 + 4 + 8);
        out.Zeros(64);
        out.End();
        Rec(out, emf::kSelectObject, {1});
        Rec(out, emf::kSetBkMode, {emf::kTransparent});
        out.Begin(emf::kExtTextOutW);
        for (const std::int32_t v : {0, 0, 0, 0, 1, 0, 0, x, y, 4, 76, 0, 0, 0, 0, 0, 0}) {
            out.I32(v);
        }
        for (const char16_t c : u"HHHH") {
            if (c != 0) {
                out.U16(c);
            }
        }
        out.End();
    };
    const std::string huge = HandMade([&](TEmfWriter& out) {
        // Letters of a million pixels, upright and turned.
        Rec(out, emf::kSetMapMode, {emf::kMmAnisotropic});
        Rec(out, emf::kSetWindowExtEx, {1, 1});
        Rec(out, emf::kSetViewportExtEx, {4, 2500});
        text(out, 600, 0, 0, 0);
        text(out, 600, 900, 0, 0);
        Rec(out, emf::kSetMapMode, {emf::kMmText});
        BlackSquare(out);
    });
    EXPECT_TRUE(SquareDrawn(PlayHandMade(huge)));
    const QImage large = PlayHandMade(HandMade([&](TEmfWriter& out) { text(out, 400, 0, 0, 0); }));
    // The stem of an H, 400 pixels high, crosses the picture.
    EXPECT_TRUE(AnyDark(large, QRect(0, 0, 100, 100)));
}

TEST(EmfReader, ClipsBeyondAnyPageRecordAsASoundFile) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const TEmfMetafile file = TEmfMetafile::FromBytes(HandMade([](TEmfWriter& out) {
        Rec(out, emf::kIntersectClipRect, {kMin, kMin, kMax, kMax});
        Rec(out, emf::kExtSelectClipRgn,
            {48, emf::kRgnCopy, 32, 1, 1, 16, 0, 0, 0, 0, kMin + 1, kMin + 1, kMax, kMax});
        // Text clipped to a rectangle as large as the file can say.
        out.Begin(emf::kExtTextOutW);
        for (const std::int32_t v :
             {0, 0, 0, 0, 1, 0, 0, 10, 10, 1, 76, static_cast<std::int32_t>(emf::kEtoClipped), kMin,
              kMin, kMax, kMax, 0}) {
            out.I32(v);
        }
        out.U16(u'W');
        out.U16(0);
        out.End();
        Rec(out, emf::kExtSelectClipRgn, {0, emf::kRgnCopy});
        BlackSquare(out);
    }));
    // Played at its size and shrunk, as a picture inside a page is.
    TEmfMetafile recording(100, 100);
    {
        QPainter painter(&recording.PaintDevice());
        file.Play(painter, QRectF(0, 0, 100, 100));
        file.Play(painter, QRectF(2, 2, 40, 40));
    }
    const QImage image = PlayHandMade(recording.Bytes());
    EXPECT_TRUE(SquareDrawn(image));
    EXPECT_TRUE(AllOf(image, QRect(6, 6, 8, 8), Qt::black));
}
