#include "report/render/DrawAlignedText.h"

#include "report/ReportUnits.h"
#include "report/render/TextLines.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Lines of a code outside 1 to 9 are laid out from the left within the
// centred block.
THorizontalAlign LineAlign(int alignment) {
    return IsAlignCode(alignment) ? HorizontalAlign(alignment) : THorizontalAlign::Left;
}

// Draws the lines from the top of `rect`, each placed by the flag; clipped to
// the rectangle only where a line would reach past it, since clipping every
// text costs more than drawing it.
void DrawLines(QPainter& canvas, const TTextLines& lines, const QRect& rect,
               THorizontalAlign horizontal, int lineHeight) {
    const bool clip = lines.Widest() > rect.width() || lines.Count() * lineHeight > rect.height();
    if (clip) {
        canvas.save();
        canvas.setClipRect(rect, Qt::IntersectClip);
    }
    int top = rect.top();
    for (int index = 0; index < lines.Count() && top <= rect.bottom(); ++index) {
        qreal left = rect.left();
        if (horizontal == THorizontalAlign::Centre) {
            left += (rect.width() - lines.Width(index)) / 2;
        } else if (horizontal == THorizontalAlign::Right) {
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
    THorizontalAlign horizontal = LineAlign(alignment);
    const QFontMetrics metrics(canvas.font(), canvas.device());
    const int lineHeight = metrics.height();
    const TTextLines lines(text, canvas.font(), canvas.device(), width, wordWrap);
    const int w = static_cast<int>(std::ceil(lines.Widest()));
    int h = lines.Count() * lineHeight;
    h = std::min(h, height - 2);

    // Centred both ways unless the code says otherwise; halves truncate.
    int left = x + width / 2 - w / 2;
    int top = y + height / 2 - h / 2;
    if (HorizontalAlign(alignment) == THorizontalAlign::Left) {
        left = x;
    } else if (horizontal == THorizontalAlign::Right) {
        left = x + width - w;
    }
    if (VerticalAlign(alignment) == TVerticalAlign::Top) {
        top = y;
    } else if (VerticalAlign(alignment) == TVerticalAlign::Bottom) {
        top = y + height - h;
    }
    int right = left + w;
    int bottom = top + h + 1;

    if (left < x) {
        left = x;
        horizontal = THorizontalAlign::Left;
    }
    top = std::max(top, y);
    right = std::min(right, x + width);
    bottom = std::min(bottom, y + height);
    // Room for the overhang of italic and the last glyph's side bearing.
    if (horizontal == THorizontalAlign::Right) {
        left -= 3;
    } else {
        right += 3;
    }
    if (right <= left || bottom <= top) {
        return;
    }
    DrawLines(canvas, lines, QRect(left, top, right - left, bottom - top), horizontal, lineHeight);
}
