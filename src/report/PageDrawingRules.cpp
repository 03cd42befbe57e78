#include "report/PageDrawingRules.h"

#include "report/NumberText.h"

namespace {

void ReplaceAll(std::string& text, const std::string& what, const std::string& by) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + by.size())) {
        text.replace(at, what.size(), by);
    }
}

bool IsWidthDigit(char c) {
    return c >= '1' && c <= '9';
}

} // namespace

std::string NormalizedFrameCode(const std::string& frame) {
    if (frame.size() == 1 && IsWidthDigit(frame[0])) {
        return std::string(frame) + 'b' + frame + 'b' + frame + 'b' + frame + 'b';
    }
    if (frame.size() == 4) {
        std::string code;
        for (const char c : frame) {
            code += c;
            code += 'b';
        }
        return code;
    }
    return frame;
}

TFrameSides FrameSides(const std::string& frame) {
    TFrameSides sides;
    if (frame.size() <= 7) {
        return sides;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        const char width = frame[2 * k];
        const char style = frame[2 * k + 1];
        sides[k].Width = IsWidthDigit(width) ? width - '0' : 0;
        sides[k].Style = sides[k].Width == 0 ? 'a' : style;
    }
    return sides;
}

bool IsDrawnSide(const TFrameSide& side) {
    return side.Width >= 1 && (side.Style == 'b' || side.Style == 'c' || side.Style == 'd');
}

bool IsFramePixel(const TFrameSide& side, std::int64_t i, bool horizontal) {
    switch (side.Style) {
    case 'c':
        return i % (8 * side.Width) < 5;
    case 'd':
        return i % ((horizontal ? 4 : 3) * side.Width) == 0;
    default:
        return true;
    }
}

std::string PageContent(const std::string& text, std::int32_t number, std::int32_t count) {
    std::string content = text;
    ReplaceAll(content, "{pagenumber}", IntToText(number));
    ReplaceAll(content, "{pagecount}", IntToText(count));
    return content;
}

TAlignmentInsets AlignmentInsets(std::int32_t align) {
    TAlignmentInsets insets;
    if (!IsAlignCode(align)) {
        return insets;
    }
    const THorizontalAlign column = HorizontalAlign(align);
    const TVerticalAlign row = VerticalAlign(align);
    if (column == THorizontalAlign::Left) {
        insets.Dx = 1;
        insets.Dw = -1;
    } else if (column == THorizontalAlign::Right) {
        insets.Dw = -1;
    }
    if (row == TVerticalAlign::Top) {
        insets.Dy = 1;
        insets.Dh = -1;
    } else if (row == TVerticalAlign::Bottom) {
        insets.Dh = -1;
    }
    return insets;
}

TPixelRect ZoomedPageRect(std::int32_t widthMm, std::int32_t heightMm, std::int32_t zoom,
                          std::int32_t x, std::int32_t y) {
    const auto zoomed = [zoom](std::int32_t mm) {
        return ToPixels(MmToLength(static_cast<std::int64_t>(mm) * zoom / 100));
    };
    TPixelRect rect;
    rect.Left = static_cast<std::int64_t>(x) + kPreviewPageGap;
    rect.Top = static_cast<std::int64_t>(y) + kPreviewPageGap;
    rect.Right = rect.Left + zoomed(widthMm);
    rect.Bottom = rect.Top + zoomed(heightMm);
    return rect;
}
