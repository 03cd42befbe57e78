#include "report/ui/PreviewGeometry.h"

#include "report/PageDrawingRules.h"
#include "report/ReportInterfaces.h"
#include "text/Format.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

// A landscape page's width in millimetres: the view is always that wide.
constexpr std::int32_t kLandscapeWidthMm = 297;

std::int32_t ClampToRange(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

// A length scaled by the zoom, exactly (not cut to millimetres), in pixels;
// held at the ends of the range as painting holds positions.
std::int64_t ZoomedPixels(TLength length, std::int32_t zoom) {
    TLength scaled = 0;
    if (__builtin_mul_overflow(length, static_cast<TLength>(zoom), &scaled)) {
        scaled = (length < 0) != (zoom < 0) ? std::numeric_limits<TLength>::min()
                                            : std::numeric_limits<TLength>::max();
    }
    return ToPixels(scaled / 100);
}

} // namespace

std::int32_t ZoomFromCaption(const std::string& caption) {
    if (caption.empty()) {
        return 100;
    }
    const char* first = caption.data();
    const char* last = first + caption.size() - 1;
    std::int32_t zoom = 0;
    const auto [end, error] = std::from_chars(first, last, zoom);
    // A zero or negative zoom would draw nothing, or pages upside down.
    if (error != std::errc{} || end != last || zoom <= 0) {
        return 100;
    }
    return zoom;
}

std::string PageCountMessage(std::int32_t count) {
    const std::int32_t lastTwo = count % 100;
    const std::int32_t last = count % 10;
    const char* word = "страниц";
    if (last == 1 && lastTwo != 11) {
        word = "страницу";
    } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        word = "страницы";
    }
    return Format("Документ содержит %d %s", {count, word});
}

std::int64_t ZoomedPagePixels(std::int32_t mm, std::int32_t zoom) {
    return ToPixels(MmToLength(static_cast<std::int64_t>(mm) * zoom / 100));
}

TScrollRanges ComputeScrollRanges(IReport3& report, std::int32_t zoom, std::int32_t clientWidth,
                                  std::int32_t clientHeight) {
    std::int64_t total = 0;
    for (std::int32_t number = 1; number <= report.PageCount(); ++number) {
        total += ZoomedPagePixels(report.GetPage(number)->GetHeight(), zoom) + kPreviewPageGap;
    }
    TScrollRanges ranges;
    const std::int64_t width = ZoomedPagePixels(kLandscapeWidthMm, zoom);
    ranges.Horizontal = ClampToRange(width - clientWidth + 32);
    if (total - clientHeight + 48 >= 0) {
        ranges.Vertical = ClampToRange(total - clientHeight + 56);
    }
    return ranges;
}

std::optional<TTextHit> FindTextAt(IReport3& report, std::int32_t zoom, std::int32_t left,
                                   std::int32_t top, std::int32_t x, std::int32_t y) {
    const std::int64_t x0 = kPreviewPageGap - left;
    std::int64_t y0 = kPreviewPageGap - top;
    for (std::int32_t number = 1; number <= report.PageCount(); ++number) {
        const auto page = report.GetPage(number);
        for (std::int32_t index = 1; index <= page->TextCount(); ++index) {
            const auto text = page->GetText(index);
            if (text->GetText().empty()) {
                continue;
            }
            const std::int64_t boxLeft = x0 + ZoomedPixels(text->GetX(), zoom);
            const std::int64_t boxTop = y0 + ZoomedPixels(text->GetY(), zoom);
            const std::int64_t boxRight =
                x0 + ZoomedPixels(AddLengths(text->GetX(), text->GetW()), zoom);
            const std::int64_t boxBottom =
                y0 + ZoomedPixels(AddLengths(text->GetY(), text->GetH()), zoom);
            if (x >= boxLeft && x < boxRight && y >= boxTop && y < boxBottom) {
                return TTextHit{page, text};
            }
        }
        y0 += ZoomedPagePixels(page->GetHeight(), zoom) + kPreviewPageGap;
    }
    return std::nullopt;
}
