#pragma once
// What the preview window computes without any widget: the zoom read from
// its button, the page-count message, the scroll ranges, the page text under
// the pointer. Pixels are those of
// the screen (4 per millimetre at 100 %); page sizes are whole millimetres.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class IReport3;
class IReport3Page;
class IReport3Text;

// The zoom captions of the zoom menu, in menu order.
inline constexpr const char* kZoomCaptions[] = {"10%",  "20%",  "30%",  "40%",  "50%",
                                                "60%",  "70%",  "80%",  "90%",  "100%",
                                                "125%", "150%", "175%", "200%", "500%"};

// The caption without its last character ("125%" gives 125); 100 when that
// is not a positive whole number.
std::int32_t ZoomFromCaption(const std::string& caption);

// "Документ содержит N страницу / страницы / страниц", the word agreeing with N.
std::string PageCountMessage(std::int32_t count);

// Pixels of a page's height or width in whole millimetres at the zoom: the
// scaled size is cut to whole millimetres first.
std::int64_t ZoomedPagePixels(std::int32_t mm, std::int32_t zoom);

// The largest scroll bar positions; both minimums are 0.
struct TScrollRanges {
    std::int32_t Horizontal = 0;
    std::int32_t Vertical = 0;
    bool operator==(const TScrollRanges&) const = default;
};

// The ranges for the window's client size: across, a landscape page whatever
// the pages are, plus room for the page gap and the scroll bar; down, all
// pages one under another with 8 pixels between them.
TScrollRanges ComputeScrollRanges(IReport3& report, std::int32_t zoom, std::int32_t clientWidth,
                                  std::int32_t clientHeight);

// A page text and the page it is on.
struct TTextHit {
    std::shared_ptr<IReport3Page> Page;
    std::shared_ptr<IReport3Text> Text;
};

// The first non-empty page text (pages in order, texts in the page's order)
// whose box holds the paint-box point (x, y) with the view scrolled to
// (left, top); right and bottom edges are outside the box.
std::optional<TTextHit> FindTextAt(IReport3& report, std::int32_t zoom, std::int32_t left,
                                   std::int32_t top, std::int32_t x, std::int32_t y);
