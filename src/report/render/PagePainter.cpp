#include "report/render/PagePainter.h"

#include "report/PageDrawingRules.h"
#include "report/ReportInterfaces.h"
#include "report/render/DrawAlignedText.h"
#include "report/render/ReportFont.h"
#include "report/render/emf/EmfPicture.h"

#include <algorithm>

namespace {

// Page pixels are held to this range, so that absurd positions from a page
// file stay finite in Qt's integer geometry; a page is never that large.
constexpr std::int64_t kPixelLimit = 1 << 20;

int Pixels(TLength length) {
    return static_cast<int>(std::clamp(ToPixels(length), -kPixelLimit, kPixelLimit));
}

QColor ColorOf(TColor color) {
    // Windows order: 0x00BBGGRR.
    return QColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
}

// What every text of one page is drawn with.
struct TPageContext {
    std::int32_t Number = 0;
    std::int32_t Count = 0;
    // The page in pixels.
    QSize Size;
};

// The font the painter holds, set again only when a text asks for another:
// most texts of a page share one, and every change costs a font record.
class TFontState {
public:
    void Use(QPainter& painter, const std::string& name, std::int32_t size, TFontStyle style) {
        if (!set_ || name != name_ || size != size_ || style != style_) {
            painter.setFont(ReportFont(name, size, style));
            set_ = true;
            name_ = name;
            size_ = size;
            style_ = style;
        }
    }

private:
    bool set_ = false;
    std::string name_;
    std::int32_t size_ = 0;
    TFontStyle style_ = 0;
};

// One side from (x, y) along `length` pixels, a square of 2h+1 pixels around
// each; squares of a dashed or dotted side are joined into runs. Pixels off the page are skipped,
// so a side of any length costs no more than the page is wide.
void DrawFrameLine(QPainter& painter, const TPageContext& page, int x, int y, int length,
                   bool horizontal, const TFrameSide& side) {
    if (!IsDrawnSide(side) || length < 0) {
        return;
    }
    const int h = FrameOverhang(side);
    const int start = horizontal ? x : y;
    const int extent = horizontal ? page.Size.width() : page.Size.height();
    const int first = std::max(0, -start - h - 1);
    const int last = std::min(length - 1, extent - start + h);
    const auto run = [&](int from, int to) {
        // Squares around pixels from..to of the side.
        if (horizontal) {
            painter.fillRect(QRect(x - h + from, y - h, to - from + 2 * h + 1, 2 * h + 1),
                             Qt::black);
        } else {
            painter.fillRect(QRect(x - h, y - h + from, 2 * h + 1, to - from + 2 * h + 1),
                             Qt::black);
        }
    };
    if (side.Style == 'b') {
        // Solid: through the far end, so that two sides meet in the corner;
        // a side of no length is still its square.
        run(0, length);
        return;
    }
    int runStart = -1;
    for (int i = first; i <= last; ++i) {
        const bool on = IsFramePixel(side, i, horizontal);
        if (on && runStart < 0) {
            runStart = i;
        } else if (!on && runStart >= 0) {
            run(runStart, i - 1);
            runStart = -1;
        }
    }
    if (runStart >= 0) {
        run(runStart, last);
    }
}

void PaintText(IReport3Text& text, QPainter& painter, const TPageContext& page, TFontState& font) {
    const std::string frame = NormalizedFrameCode(text.GetFrame());
    if (frame != text.GetFrame()) {
        text.SetFrame(frame);
    }
    const TFrameSides sides = FrameSides(frame);
    const int x = Pixels(text.GetX());
    const int y = Pixels(text.GetY());
    const int right = Pixels(AddLengths(text.GetX(), text.GetW()));
    const int bottom = Pixels(AddLengths(text.GetY(), text.GetH()));
    const int width = Pixels(text.GetW());
    const int height = Pixels(text.GetH());
    if (text.GetColor() != kNoColor && right > x && bottom > y) {
        painter.fillRect(QRect(QPoint(x, y), QPoint(right - 1, bottom - 1)),
                         ColorOf(text.GetColor()));
    }
    const std::string content = PageContent(text.GetText(), page.Number, page.Count);
    const TAlignmentInsets insets = AlignmentInsets(text.GetAlign());
    DrawFrameLine(painter, page, x, y, height, false, sides[0]);
    DrawFrameLine(painter, page, x, y, width, true, sides[1]);
    DrawFrameLine(painter, page, right, y, height, false, sides[2]);
    DrawFrameLine(painter, page, x, bottom, width, true, sides[3]);
    font.Use(painter, text.GetFont(), text.GetFontSize(), text.GetFontStyle());
    const TIntRect inner = text.GetInnerRect();
    const int left = x + insets.Dx + inner.Left;
    const int top = y + insets.Dy + inner.Top;
    const int boxWidth = width + insets.Dw - inner.Left - inner.Right;
    const int boxHeight = height + insets.Dh - inner.Top - inner.Bottom;
    if (IsPictureContent(content)) {
        PlayPictureContent(painter, content, QRect(left, top, boxWidth, boxHeight));
    } else {
        DrawAlignedText(painter, left, top, boxWidth, boxHeight, content, text.GetAlign(), true);
    }
}

} // namespace

QSize PageSizePixels(const IReport3Page& page) {
    return QSize(Pixels(MmToLength(page.GetWidth())), Pixels(MmToLength(page.GetHeight())));
}

std::int32_t OwningReportPageCount(const IReport3Page& page) {
    const auto report = std::dynamic_pointer_cast<IReport3>(page.GetOwner());
    return report != nullptr ? report->PageCount() : 0;
}

void PaintPage(IReport3Page& page, QPainter& painter) {
    const TPageContext context{page.GetNumber(), OwningReportPageCount(page), PageSizePixels(page)};
    painter.save();
    // Whatever lies off the page is not drawn on any device.
    painter.setClipRect(QRect(QPoint(0, 0), context.Size), Qt::IntersectClip);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    TFontState font;
    font.Use(painter, "Arial", 10, 0);
    for (std::int32_t i = 1; i <= page.TextCount(); ++i) {
        PaintText(*page.GetText(i), painter, context, font);
    }
    painter.restore();
}
