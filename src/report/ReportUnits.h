#pragma once
// Units of the report engine. Lengths are signed 64-bit counts of 1/10000 mm
// (12,5 mm is 125000); page sizes and margins are whole millimetres; the
// measuring canvas and the page image have 4 pixels per millimetre.
#include <cstdint>

using TLength = std::int64_t;

// Length units in one millimetre.
inline constexpr TLength kLengthPerMm = 10000;

// Pixels in one millimetre of the measuring canvas and the page image.
inline constexpr std::int64_t kPixelsPerMm = 4;

// Font style bits.
using TFontStyle = std::uint8_t;
inline constexpr TFontStyle kFontBold = 1;
inline constexpr TFontStyle kFontItalic = 2;
inline constexpr TFontStyle kFontUnderline = 4;

// Page orientation code: 0 not given, 1 portrait, 2 (or more) landscape.
using TOrientation = std::uint8_t;
inline constexpr TOrientation kOrientationUnset = 0;
inline constexpr TOrientation kOrientationPortrait = 1;
inline constexpr TOrientation kOrientationLandscape = 2;

// Alignment code: 1 to 9 laid out like a numeric keypad read from the top.
inline constexpr std::int32_t kAlignTopLeft = 1;
inline constexpr std::int32_t kAlignMiddleLeft = 4;
inline constexpr std::int32_t kAlignCentre = 5;
inline constexpr std::int32_t kAlignBottomRight = 9;

enum class THorizontalAlign { Left, Centre, Right };
enum class TVerticalAlign { Top, Middle, Bottom };

constexpr bool IsAlignCode(std::int32_t align) {
    return align >= kAlignTopLeft && align <= kAlignBottomRight;
}
// The column and row of a code; codes outside 1 to 9 are centred both ways.
constexpr THorizontalAlign HorizontalAlign(std::int32_t align) {
    return IsAlignCode(align) ? static_cast<THorizontalAlign>((align - 1) % 3)
                              : THorizontalAlign::Centre;
}
constexpr TVerticalAlign VerticalAlign(std::int32_t align) {
    return IsAlignCode(align) ? static_cast<TVerticalAlign>((align - 1) / 3)
                              : TVerticalAlign::Middle;
}

// A Windows RGB colour (0x00BBGGRR); kNoColor means the box is not filled.
using TColor = std::int32_t;
inline constexpr TColor kNoColor = 0x1FFFFFFF;

// Four integers: page margins in mm, or the insets of a text box in pixels.
struct TIntRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const TIntRect&) const = default;
};

// An extended-precision length rounded back to 1/10000 mm, half to even;
// values beyond the 64-bit range stay at its ends, NaN gives 0.
TLength RoundLength(long double value);

// a + b, held at the ends of the 64-bit range instead of overflowing.
TLength AddLengths(TLength a, TLength b);

// Whole millimetres as a length.
TLength MmToLength(std::int64_t mm);

// Pixels of a length at kPixelsPerMm: round((v * 4 + 0.1) / 10000).
std::int64_t ToPixels(TLength length);

// A 64-bit integer held at the ends of the 32-bit range (font sizes,
// alignment codes read from text).
std::int32_t ClampToInt32(std::int64_t value);
