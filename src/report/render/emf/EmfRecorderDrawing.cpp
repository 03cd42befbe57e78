// Shapes, images and text written as records.
#include "report/render/emf/EmfBitmap.h"
#include "report/render/emf/EmfPaintEngine.h"

#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

#include <algorithm>

namespace {

constexpr std::uint32_t kSrcCopy = 0x00CC0020;

} // namespace

void TEmfPaintEngine::WriteBounds(const QRect& bounds) {
    out_.I32(bounds.left());
    out_.I32(bounds.top());
    out_.I32(bounds.right());
    out_.I32(bounds.bottom());
}

// Rectangles and ellipses: a box one pixel wider and higher than Qt's
// rectangle, because the file's boxes exclude their right and bottom edges.
void TEmfPaintEngine::WriteBox(emf::TRecordType type, const QRectF& rect) {
    SelectPen(pen_);
    SelectBrush(brush_);
    const QRect box = MapRect(rect);
    out_.Begin(type);
    out_.I32(box.left());
    out_.I32(box.top());
    out_.I32(box.right() + kEmfUnitsPerPixel);
    out_.I32(box.bottom() + kEmfUnitsPerPixel);
    out_.End();
}

void TEmfPaintEngine::drawRects(const QRectF* rects, int count) {
    for (int i = 0; i < count; ++i) {
        WriteBox(emf::kRectangle, rects[i]);
    }
}

void TEmfPaintEngine::drawEllipse(const QRectF& rect) {
    WriteBox(emf::kEllipse, rect);
}

void TEmfPaintEngine::drawLines(const QLineF* lines, int count) {
    if (pen_.style() == Qt::NoPen) {
        return;
    }
    SelectPen(pen_);
    for (int i = 0; i < count; ++i) {
        const QPoint from = Map(lines[i].p1());
        const QPoint to = Map(lines[i].p2());
        if (position_ != from) {
            out_.Begin(emf::kMoveToEx);
            out_.I32(from.x());
            out_.I32(from.y());
            out_.End();
        }
        out_.Begin(emf::kLineTo);
        out_.I32(to.x());
        out_.I32(to.y());
        out_.End();
        position_ = to;
    }
}

void TEmfPaintEngine::WritePoints(const QPolygon& polygon, bool small) {
    for (const QPoint& point : polygon) {
        if (small) {
            out_.I16(static_cast<std::int16_t>(point.x()));
            out_.I16(static_cast<std::int16_t>(point.y()));
        } else {
            out_.I32(point.x());
            out_.I32(point.y());
        }
    }
}

void TEmfPaintEngine::WritePolygonRecord(emf::TRecordType single16, emf::TRecordType single32,
                                         const QPolygon& polygon) {
    const bool small = EmfFits16(polygon);
    out_.Begin(small ? single16 : single32);
    WriteBounds(EmfDeviceBounds(polygon.boundingRect()));
    out_.U32(static_cast<std::uint32_t>(polygon.size()));
    WritePoints(polygon, small);
    out_.End();
}

void TEmfPaintEngine::WritePolygons(emf::TRecordType single16, emf::TRecordType single32,
                                    emf::TRecordType many16, emf::TRecordType many32,
                                    const std::vector<QPolygon>& polygons) {
    if (polygons.size() == 1) {
        WritePolygonRecord(single16, single32, polygons.front());
        return;
    }
    QRect bounds;
    std::uint32_t points = 0;
    bool small = true;
    for (const QPolygon& polygon : polygons) {
        bounds |= polygon.boundingRect();
        points += static_cast<std::uint32_t>(polygon.size());
        small = small && EmfFits16(polygon);
    }
    out_.Begin(small ? many16 : many32);
    WriteBounds(EmfDeviceBounds(bounds));
    out_.U32(static_cast<std::uint32_t>(polygons.size()));
    out_.U32(points);
    for (const QPolygon& polygon : polygons) {
        out_.U32(static_cast<std::uint32_t>(polygon.size()));
    }
    for (const QPolygon& polygon : polygons) {
        WritePoints(polygon, small);
    }
    out_.End();
}

// Closed figures go out as polygons, outlined and filled by the file's own
// rules; open ones are filled without a pen and stroked as polylines, so
// that no reader closes them.
void TEmfPaintEngine::DrawPolygons(const QList<QPolygonF>& polygons, Qt::FillRule rule,
                                   bool closed) {
    std::vector<QPolygon> mapped;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() >= 2) {
            mapped.push_back(MapPolygon(polygon));
        }
    }
    const bool fill = brush_.style() != Qt::NoBrush;
    const bool stroke = pen_.style() != Qt::NoPen;
    if (mapped.empty() || (!fill && !stroke)) {
        return;
    }
    if (fill || closed) {
        SelectPen(closed ? pen_ : QPen(Qt::NoPen));
        SelectBrush(brush_);
        SetFillMode(rule);
        WritePolygons(emf::kPolygon16, emf::kPolygon, emf::kPolyPolygon16, emf::kPolyPolygon,
                      mapped);
    }
    if (stroke && !closed) {
        SelectPen(pen_);
        WritePolygons(emf::kPolyline16, emf::kPolyline, emf::kPolyPolyline16, emf::kPolyPolyline,
                      mapped);
    }
}

void TEmfPaintEngine::drawPath(const QPainterPath& path) {
    if (path.isEmpty()) {
        return;
    }
    const QList<QPolygonF> polygons = path.toSubpathPolygons();
    const bool closed = std::all_of(polygons.begin(), polygons.end(),
                                    [](const QPolygonF& p) { return p.isClosed(); });
    DrawPolygons(polygons, path.fillRule(), closed);
}

void TEmfPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    const QPolygonF polygon(QList<QPointF>(points, points + count));
    if (mode == PolylineMode) {
        if (pen_.style() != Qt::NoPen && count >= 2) {
            SelectPen(pen_);
            WritePolygonRecord(emf::kPolyline16, emf::kPolyline, MapPolygon(polygon));
        }
        return;
    }
    DrawPolygons({polygon}, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill, true);
}

void TEmfPaintEngine::drawPixmap(const QRectF& target, const QPixmap& pixmap,
                                 const QRectF& source) {
    drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
}

void TEmfPaintEngine::drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                                Qt::ImageConversionFlags) {
    const QImage part = image.copy(source.toAlignedRect());
    if (part.isNull() || std::int64_t{part.width()} * part.height() > emf::kMaxPixels) {
        return;
    }
    const TDib dib = EncodeDib(part);
    const QRect box = MapRect(target);
    constexpr std::uint32_t kFixedSize = 80;
    const auto infoSize = static_cast<std::uint32_t>(dib.info.size());
    out_.Begin(emf::kStretchDIBits);
    WriteBounds(EmfDeviceBounds(box));
    out_.I32(box.left());
    out_.I32(box.top());
    out_.I32(0);
    out_.I32(0);
    out_.I32(part.width());
    out_.I32(part.height());
    out_.U32(kFixedSize);
    out_.U32(infoSize);
    out_.U32(kFixedSize + infoSize);
    out_.U32(static_cast<std::uint32_t>(dib.bits.size()));
    out_.U32(0); // colours are RGB values
    out_.U32(kSrcCopy);
    out_.I32(box.width());
    out_.I32(box.height());
    out_.Raw(dib.info);
    out_.Raw(dib.bits);
    out_.End();
}

void TEmfPaintEngine::drawTextItem(const QPointF& position, const QTextItem& textItem) {
    const QString text = textItem.text();
    if (text.isEmpty()) {
        return;
    }
    QFont font = textItem.font();
    const double pixels =
        (font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72) * fontScale_;
    SelectFont(font, pixels);
    if (pen_.color().rgb() != textColor_.rgb()) {
        textColor_ = pen_.color();
        out_.Begin(emf::kSetTextColor);
        out_.U32(EmfColorRef(textColor_));
        out_.End();
    }
    font.setPointSizeF(pixels * 72 / 96);
    if (!metrics_ || font != metricsFont_) {
        metricsFont_ = font;
        metrics_.emplace(font);
    }
    const QPoint at = Map(position);
    const auto count = static_cast<std::uint32_t>(text.size());
    constexpr std::uint32_t kStringOffset = 76;
    const std::uint32_t stringBytes = (2 * count + 3) / 4 * 4;
    out_.Begin(emf::kExtTextOutW);
    WriteBounds(QRect(0, 0, 0, 0)); // not computed
    out_.U32(1);                    // compatible graphics mode
    out_.F32(0);
    out_.F32(0);
    out_.I32(at.x());
    out_.I32(at.y());
    out_.U32(count);
    out_.U32(kStringOffset);
    out_.U32(0); // no options, so no clipping rectangle
    WriteBounds(QRect(0, 0, 0, 0));
    out_.U32(kStringOffset + stringBytes);
    for (const QChar c : text) {
        out_.U16(c.unicode());
    }
    out_.Zeros(stringBytes - 2 * count);
    // Advances rounded so that their sum follows the real text width.
    double x = 0;
    long written = 0;
    for (const QChar c : text) {
        x += c.isLowSurrogate() ? 0 : metrics_->horizontalAdvance(c);
        const long next = EmfCoord(x);
        out_.I32(static_cast<std::int32_t>(next - written));
        written = next;
    }
    out_.End();
}
