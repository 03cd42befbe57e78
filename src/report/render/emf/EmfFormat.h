#pragma once
// Record types and constants of the enhanced-metafile format, as Windows
// writes them, and the bounds the reader holds every file to.
#include <cstddef>
#include <cstdint>

namespace emf {

enum TRecordType : std::uint32_t {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolylineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExtEx = 9,
    kSetWindowOrgEx = 10,
    kSetViewportExtEx = 11,
    kSetViewportOrgEx = 12,
    kEof = 14,
    kSetPixelV = 15,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kOffsetClipRgn = 26,
    kMoveToEx = 27,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kScaleViewportExtEx = 31,
    kScaleWindowExtEx = 32,
    kSaveDC = 33,
    kRestoreDC = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrushIndirect = 39,
    kDeleteObject = 40,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kArc = 45,
    kChord = 46,
    kPie = 47,
    kLineTo = 54,
    kArcTo = 55,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kSelectClipPath = 67,
    kAbortPath = 68,
    kFillRgn = 71,
    kPaintRgn = 74,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kSetDIBitsToDevice = 80,
    kStretchDIBits = 81,
    kExtCreateFontIndirectW = 82,
    kExtTextOutA = 83,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kCreateMonoBrush = 93,
    kCreateDibPatternBrush = 94,
    kExtCreatePen = 95,
    kAlphaBlend = 114,
};

constexpr std::uint32_t kSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kVersion = 0x00010000;
constexpr std::uint32_t kHeaderSize = 108;   // with both header extensions
constexpr std::uint32_t kMinHeaderSize = 88; // the header without extensions
constexpr std::uint32_t kStockObject = 0x80000000;

// Stock objects selected by index | kStockObject.
enum TStock : std::uint32_t {
    kBlackBrush = 4, // 0 to 4: white, light grey, grey, dark grey and black brushes
    kNullBrush = 5,
    kWhitePen = 6,
    kBlackPen = 7,
    kNullPen = 8,
};

// Pen styles and flags.
constexpr std::uint32_t kPsSolid = 0;
constexpr std::uint32_t kPsDash = 1;
constexpr std::uint32_t kPsDot = 2;
constexpr std::uint32_t kPsDashDot = 3;
constexpr std::uint32_t kPsDashDotDot = 4;
constexpr std::uint32_t kPsNull = 5;
constexpr std::uint32_t kPsUserStyle = 7;
constexpr std::uint32_t kPsStyleMask = 0x0F;
constexpr std::uint32_t kPsEndCapRound = 0x000;
constexpr std::uint32_t kPsEndCapSquare = 0x100;
constexpr std::uint32_t kPsEndCapFlat = 0x200;
constexpr std::uint32_t kPsEndCapMask = 0xF00;
constexpr std::uint32_t kPsJoinRound = 0x0000;
constexpr std::uint32_t kPsJoinBevel = 0x1000;
constexpr std::uint32_t kPsJoinMiter = 0x2000;
constexpr std::uint32_t kPsJoinMask = 0xF000;
constexpr std::uint32_t kPsGeometric = 0x10000;

// Brush styles and hatches.
constexpr std::uint32_t kBsSolid = 0;
constexpr std::uint32_t kBsNull = 1;
constexpr std::uint32_t kBsHatched = 2;

// Background modes, fill modes, map modes.
constexpr std::uint32_t kTransparent = 1;
constexpr std::uint32_t kOpaque = 2;
constexpr std::uint32_t kAlternate = 1;
constexpr std::uint32_t kWinding = 2;
constexpr std::uint32_t kMmText = 1;
constexpr std::uint32_t kMmLoMetric = 2;
constexpr std::uint32_t kMmHiMetric = 3;
constexpr std::uint32_t kMmLoEnglish = 4;
constexpr std::uint32_t kMmHiEnglish = 5;
constexpr std::uint32_t kMmTwips = 6;
constexpr std::uint32_t kMmIsotropic = 7;
constexpr std::uint32_t kMmAnisotropic = 8;

// Text alignment flags.
constexpr std::uint32_t kTaUpdateCp = 1;
constexpr std::uint32_t kTaRight = 2;
constexpr std::uint32_t kTaCenter = 6;
constexpr std::uint32_t kTaHorizontalMask = 6;
constexpr std::uint32_t kTaBottom = 8;
constexpr std::uint32_t kTaBaseline = 24;
constexpr std::uint32_t kTaVerticalMask = 24;

// Text-out options.
constexpr std::uint32_t kEtoOpaque = 0x2;
constexpr std::uint32_t kEtoClipped = 0x4;

// Clip region combination.
constexpr std::uint32_t kRgnAnd = 1;
constexpr std::uint32_t kRgnOr = 2;
constexpr std::uint32_t kRgnXor = 3;
constexpr std::uint32_t kRgnDiff = 4;
constexpr std::uint32_t kRgnCopy = 5;

// World-transform modification.
constexpr std::uint32_t kMwtIdentity = 1;
constexpr std::uint32_t kMwtLeftMultiply = 2;
constexpr std::uint32_t kMwtRightMultiply = 3;
constexpr std::uint32_t kMwtSet = 4;

// Fonts: the characters of a face name, its terminating 0 included.
constexpr std::size_t kFaceNameLength = 32;

// Bitmap headers: the plain header's size, and the forms of pixels.
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

// Raster operations used for fills without a source bitmap.
constexpr std::uint32_t kRopBlackness = 0x00000042;
constexpr std::uint32_t kRopPatCopy = 0x00F00021;
constexpr std::uint32_t kRopWhiteness = 0x00FF0062;

// Bounds on what a file may ask of the reader.
constexpr std::int64_t kMaxPixels = 100'000'000;
constexpr double kMaxSide = 1'000'000;

// Whether a picture of that many pixels is one the program takes: at most a
// million pixels a side and kMaxPixels in all.
constexpr bool AcceptablePictureSize(double width, double height) {
    return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= static_cast<double>(kMaxPixels);
}
constexpr int kMaxSavedStates = 1000;
constexpr int kMaxFontPixels = 5000;

} // namespace emf
