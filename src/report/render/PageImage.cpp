#include "report/render/PageImage.h"

#include "report/PageDrawingRules.h"
#include "report/TReport3.h"
#include "report/TReport3Page.h"
#include "report/render/PagePainter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

TPageImage::TPageImage(IReport3Page& page)
    : picture_(std::max(1, PageSizePixels(page).width()),
               std::max(1, PageSizePixels(page).height())),
      size_(PageSizePixels(page)), widthMm_(page.GetWidth()), heightMm_(page.GetHeight()) {
    QPainter painter(&picture_.PaintDevice());
    PaintPage(page, painter);
}

void TPageImage::Play(QPainter& painter, const QRectF& target) const {
    if (size_.isEmpty() || target.isEmpty()) {
        return;
    }
    picture_.Play(painter, target);
}

void PlayPage(IReport3Page& page, QPainter& painter, const QRectF& target) {
    if (auto* own = dynamic_cast<TReport3Page*>(&page)) {
        const TReport3* report = own->FindReport();
        if (report != nullptr && report->Services().RenderPage) {
            if (const auto* image = dynamic_cast<const TPageImage*>(&own->Image())) {
                image->Play(painter, target);
                return;
            }
        }
    }
    TPageImage(page).Play(painter, target);
}

void ShowPageImage(const TPageImage& image, QPainter& painter, std::int32_t zoom, std::int32_t x,
                   std::int32_t y) {
    const TPixelRect page = ZoomedPageRect(image.WidthMm(), image.HeightMm(), zoom, x, y);
    // Screens are far smaller than this; larger values only come from absurd zooms.
    constexpr std::int64_t kLimit = 1 << 24;
    const int left = static_cast<int>(std::clamp(page.Left, -kLimit, kLimit));
    const int top = static_cast<int>(std::clamp(page.Top, -kLimit, kLimit));
    const int right = static_cast<int>(std::clamp(page.Right, -kLimit, kLimit));
    const int bottom = static_cast<int>(std::clamp(page.Bottom, -kLimit, kLimit));
    if (right <= left || bottom <= top) {
        return;
    }
    const QColor pen = painter.pen().color();
    // The shadow: two pixels wide along the right and bottom edges, two down and in.
    painter.fillRect(QRect(right, top + 2, 2, bottom - top - 1), pen);
    painter.fillRect(QRect(left + 2, bottom, right - left, 2), pen);
    // The page: white, outlined on its first and last pixels.
    const QRect sheet(left, top, right - left, bottom - top);
    painter.fillRect(sheet, Qt::white);
    painter.fillRect(QRect(left, top, sheet.width(), 1), pen);
    painter.fillRect(QRect(left, bottom - 1, sheet.width(), 1), pen);
    painter.fillRect(QRect(left, top, 1, sheet.height()), pen);
    painter.fillRect(QRect(right - 1, top, 1, sheet.height()), pen);
    if (sheet.width() >= image.Size().width()) {
        image.Play(painter, QRectF(sheet));
        return;
    }
    // Shrunk below its own pixels, a one-pixel line or a short dash would
    // fall between the screen's pixels and vanish. Drawn at full size and
    // then averaged down, every line keeps its share of each pixel it
    // crosses, however small the zoom.
    // Transparent around the drawing, so the page's outline stays seen.
    QImage full(image.Size(), QImage::Format_ARGB32_Premultiplied);
    full.fill(Qt::transparent);
    {
        QPainter fullPainter(&full);
        image.Play(fullPainter, QRectF(QPointF(0, 0), QSizeF(image.Size())));
    }
    painter.drawImage(sheet.topLeft(),
                      full.scaled(sheet.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
