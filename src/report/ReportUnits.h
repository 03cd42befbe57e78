#pragma once
// Units of the report engine. Lengths are signed 64-bit counts of 1/10000 mm
// (12,5 mm is 125000); page sizes and margins are whole millimetres; the
// measuring canvas and the page image have 4 pixels per millimetre.
#include <cstdint>

using TLength = std::int64_t;

// Length units in one millimetre.
inline constexpr TLength kLengthPerMm = 10000;

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

// Pixels of a length at 4 pixels per millimetre: round((v * 4 + 0.1) / 10000).
std::int64_t ToPixels(TLength length);
