#include "report/FixedMetricCanvas.h"

#include <algorithm>

namespace {

// Lines of one paragraph broken greedily at blanks; a word wider than the
// line stays whole on a line of its own.
std::int64_t ParagraphLines(std::string_view paragraph, std::int64_t maxChars) {
    std::int64_t lines = 1;
    std::int64_t used = 0;
    std::size_t pos = 0;
    while (pos < paragraph.size()) {
        const std::size_t end = std::min(paragraph.find(' ', pos), paragraph.size());
        const auto word = static_cast<std::int64_t>(end - pos);
        if (used > 0 && used + 1 + word > maxChars) {
            ++lines;
            used = word;
        } else {
            used += (used > 0 ? 1 : 0) + word;
        }
        pos = end + 1;
    }
    return lines;
}

} // namespace

void TFixedMetricCanvas::SetFont(const std::string&, std::int32_t size, TFontStyle) {
    // Points to pixels at 96 per inch, kept to sane sizes.
    const std::int64_t pixels = (std::clamp<std::int64_t>(size, 1, 1000) * 96 + 36) / 72;
    charWidth_ = std::max<std::int64_t>(1, pixels / 2);
    lineHeight_ = pixels + pixels / 5;
}

std::int64_t TFixedMetricCanvas::MeasureWrappedHeight(std::string_view text, std::int64_t width) {
    const std::int64_t maxChars = std::max<std::int64_t>(1, width / charWidth_);
    std::int64_t lines = 0;
    for (const std::string_view paragraph : SplitParagraphs(text)) {
        lines += ParagraphLines(paragraph, maxChars);
    }
    return lines * lineHeight_;
}

TMeasuringCanvasFactory FixedMetricCanvasFactory() {
    return [] { return std::make_unique<TFixedMetricCanvas>(); };
}
