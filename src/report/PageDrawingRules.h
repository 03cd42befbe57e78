#pragma once
// The geometry a page image is drawn by, as plain data: frame sides, their
// dashes and dots, the text-box insets of an alignment, the page numbers put
// into a text, and where a zoomed page lands on a screen. Pixels are page
// pixels (4 per millimetre) unless said otherwise.
#include "report/ReportUnits.h"

#include <array>
#include <cstdint>
#include <string>

// One side of a text's frame: a line width in pixels (0-9) and a style
// letter: "b" solid, "c" dashed, "d" dotted, anything else not drawn.
struct TFrameSide {
    int Width = 0;
    char Style = 'a';
    bool operator==(const TFrameSide&) const = default;
};

// Left, top, right, bottom.
using TFrameSides = std::array<TFrameSide, 4>;

// The long form a short frame code stands for: "2" gives "2b2b2b2b",
// "1203" gives "1b2b0b3b"; other codes stay as they are.
std::string NormalizedFrameCode(const std::string& frame);

// The sides of a normalised frame code; codes of up to seven characters draw none.
TFrameSides FrameSides(const std::string& frame);

// Whether a side draws anything at all.
bool IsDrawnSide(const TFrameSide& side);

// Whether pixel `i` along a drawn side gets its square: every pixel when
// solid, dashes of 5 pixels every 8 x width, dots every 4 x width
// (horizontal) or 3 x width (vertical) pixels.
bool IsFramePixel(const TFrameSide& side, std::int64_t i, bool horizontal);

// Half the thickness: a side of width w is 2 x (w div 2) + 1 pixels thick and
// overhangs its end points by w div 2.
inline int FrameOverhang(const TFrameSide& side) {
    return side.Width / 2;
}

// The text as drawn on page `number` of `count`: "{pagenumber}" and
// "{pagecount}" replaced by the numbers. The stored text keeps them.
std::string PageContent(const std::string& text, std::int32_t number, std::int32_t count);

// How far a text box is moved in and shrunk for its alignment code, so that
// text set against an edge keeps a pixel from the frame line.
struct TAlignmentInsets {
    int Dx = 0;
    int Dy = 0;
    int Dw = 0;
    int Dh = 0;
    bool operator==(const TAlignmentInsets&) const = default;
};
TAlignmentInsets AlignmentInsets(std::int32_t align);

// A rectangle of pixels; Right and Bottom are just outside it.
struct TPixelRect {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Right = 0;
    std::int64_t Bottom = 0;
    bool operator==(const TPixelRect&) const = default;
};

// The gap above and left of every page on a screen, and between pages, in pixels.
inline constexpr std::int64_t kPreviewPageGap = 8;

// Where a page of whole millimetres lands on a screen at a zoom percentage:
// the gap in from the offsets, its size zoomed in whole millimetres first
// (210 mm at 75 % is 157 mm, 628 pixels).
TPixelRect ZoomedPageRect(std::int32_t widthMm, std::int32_t heightMm, std::int32_t zoom,
                          std::int32_t x, std::int32_t y);
