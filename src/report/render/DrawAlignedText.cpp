#include "report/render/DrawAlignedText.h"

#include "report/render/TextLines.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

enum class THorizontal { Left, Centre, Right };

THorizontal HorizontalOf(int alignment) {
    switch (alignment) {
    case 1:
    case 4:
    case 7:
        return THorizontal::Left;
    case 3:
    case 6:
    case 9:
        return THorizontal::Right;
    case 2:
    case 5:
    case 8:
        return THorizontal::Centre;
    default:
        return THorizontal::Left;
    }
}

bool IsTopRow(int alignment) {
    return alignment >= 1 && alignment <= 3;
}
bool IsBottomRow(int alignment) {
    return alignment >= 7 && alignment <= 9;
}
bool IsKnown(int alignment) {
    return alignment >= 1 && alignment <= 9;
}

// Draws the lines from the top of `rect`, each placed by the flag; clipped to
// the rectangle only where a line would reach past it, since clipping every
// text costs more than drawing it.
void DrawLines(QPainter& canvas, const TTextLines& lines, const QRect& rect, THorizontal horizontal,
               int lineHeight) {
    const bool clip = lines.Widest() > rect.width() || lines.Count() * lineHeight > rect.height();
    if (clip) {
        canvas.save();
        canvas.setClipRect(rect, Qt::IntersectClip);
    }
    int top = rect.top();
    for (int index = 0; index < lines.Count() && top <= rect.bottom(); ++index) {
        qreal left = rect.left();
        if (horizontal == THorizontal::Centre) {
            left += (rect.width() - lines.Width(index)) / 2;
        } else if (horizontal == THorizontal::Right) {
            left += rect.width() - lines.Width(index);
        }
        lines.Draw(canvas, index, QPointF(left, top));
        top += lineHeight;
    }
    if (clip) {
        canvas.restore();
    }
}

} // namespace

void DrawAlignedText(QPainter& canvas, int x, int y, int width, int height, const std::string& text,
                     int alignment, bool wordWrap) {
    if (text.empty() || width <= 0 || height <= 0) {
        return;
    }
    THorizontal horizontal = HorizontalOf(alignment);
    const QFontMetrics metrics(canvas.font(), canvas.device());
    const int lineHeight = metrics.height();
    const TTextLines lines(text, canvas.font(), canvas.device(), width, wordWrap);
    const int w = static_cast<int>(std::ceil(lines.Widest()));
    int h = lines.Count() * lineHeight;
    h = std::min(h, height - 2);

    // Centred both ways unless the code says otherwise; halves truncate.
    int left = x + width / 2 - w / 2;
    int top = y + height / 2 - h / 2;
    if (IsKnown(alignment) && horizontal == THorizontal::Left) {
        left = x;
    } else if (horizontal == THorizontal::Right) {
        left = x + width - w;
    }
    if (IsTopRow(alignment)) {
        top = y;
    } else if (IsBottomRow(alignment)) {
        top = y + height - h;
    }
    int right = left + w;
    int bottom = top + h + 1;

    if (left < x) {
        left = x;
        horizontal = THorizontal::Left;
    }
    top = std::max(top, y);
    right = std::min(right, x + width);
    bottom = std::min(bottom, y + height);
    // Room for the overhang of italic and the last glyph's side bearing.
    if (horizontal == THorizontal::Right) {
        left -= 3;
    } else {
        right += 3;
    }
    if (right <= left || bottom <= top) {
        return;
    }
    DrawLines(canvas, lines, QRect(left, top, right - left, bottom - top), horizontal, lineHeight);
}
