// Lines, pixels, rectangles, ellipses, arcs and filled regions of the file.
#include "report/render/emf/EmfPlayback.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void TEmfPlayback::Draw(const QPainterPath& path, bool fill, bool stroke) {
    if (path_) {
        path_->addPath(path);
        return;
    }
    if (!Ready()) {
        return;
    }
    painter_.setPen(stroke ? PainterPen() : QPen(Qt::NoPen));
    painter_.setBrush(fill ? dc_.brush : QBrush());
    painter_.drawPath(ToPainter(path));
}

// The file's rectangles exclude their right and bottom edges.
void TEmfPlayback::DrawRect(const QRectF& rect, bool fill) {
    if (path_) {
        path_->addRect(rect);
        return;
    }
    if (!Ready()) {
        return;
    }
    painter_.setPen(PainterPen());
    painter_.setBrush(fill ? dc_.brush : QBrush());
    painter_.drawRect(ToPainter(rect));
}

// Boxes exclude their right and bottom device pixels.
QRectF TEmfPlayback::Box(const TEmfRectL& box) const {
    const double left = std::min(box.left, box.right);
    const double right = std::max(box.left, box.right);
    const double top = std::min(box.top, box.bottom);
    const double bottom = std::max(box.top, box.bottom);
    return QRectF(left, top, std::max(0.0, right - left - pixel_.width()),
                  std::max(0.0, bottom - top - pixel_.height()));
}

void TEmfPlayback::MoveTo(const TEmrPoint& record) {
    if (!record.Complete()) {
        return;
    }
    dc_.position = EmfPointF(record.Point());
    if (path_) {
        path_->moveTo(dc_.position);
    }
}

void TEmfPlayback::LineTo(const TEmrPoint& record) {
    if (!record.Complete()) {
        return;
    }
    const QPointF to = EmfPointF(record.Point());
    if (path_) {
        if (path_->elementCount() == 0) {
            path_->moveTo(dc_.position);
        }
        path_->lineTo(to);
    } else if (Ready()) {
        painter_.setPen(PainterPen());
        painter_.drawLine(ToPainter(dc_.position), ToPainter(to));
    }
    dc_.position = to;
}

void TEmfPlayback::SetPixel(const TEmrSetPixelV& record) {
    if (record.Complete() && !path_ && Ready()) {
        painter_.fillRect(ToPainter(QRectF(EmfPointF(record.Pixel()), pixel_)),
                          EmfColor(record.Color()));
    }
}

void TEmfPlayback::Rectangle(const TEmrBox& record) {
    if (record.Complete()) {
        DrawRect(Box(record.Box()), true);
    }
}

void TEmfPlayback::RoundRect(const TEmrRoundRect& record) {
    if (!record.Complete()) {
        return;
    }
    const TEmfSizeL corner = record.Corner();
    QPainterPath path;
    path.addRoundedRect(Box(record.Box()), std::abs(corner.cx) / 2.0, std::abs(corner.cy) / 2.0);
    Draw(path, true, true);
}

void TEmfPlayback::Ellipse(const TEmrBox& record) {
    if (!record.Complete()) {
        return;
    }
    QPainterPath path;
    path.addEllipse(Box(record.Box()));
    Draw(path, true, true);
}

// Arcs run counter-clockwise from the radial through the start point to the
// radial through the end point.
void TEmfPlayback::Arc(const TEmrArc& record, emf::TRecordType type) {
    const QRectF box = Box(record.Box());
    if (!record.Complete() || box.width() <= 0 || box.height() <= 0) {
        return;
    }
    const QPointF center = box.center();
    const auto angle = [&](QPointF p) {
        return std::atan2(-(p.y() - center.y()) / box.height(),
                          (p.x() - center.x()) / box.width()) *
               180 / std::numbers::pi;
    };
    const double start = angle(EmfPointF(record.Start()));
    double sweep = angle(EmfPointF(record.End())) - start;
    while (sweep <= 0) {
        sweep += 360;
    }
    QPainterPath path;
    if (type == emf::kPie) {
        path.moveTo(center);
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        if (type == emf::kArcTo) {
            QPainterPath line(dc_.position);
            line.lineTo(path.currentPosition());
            path = line;
        }
        path.arcTo(box, start, sweep);
        if (type == emf::kChord) {
            path.closeSubpath();
        }
    }
    if (type == emf::kArcTo) {
        dc_.position = path.currentPosition();
    }
    Draw(path, type == emf::kChord || type == emf::kPie, true);
}

void TEmfPlayback::FillRegion(const std::optional<QRegion>& region, const TEmfObject& brush) {
    const auto* fill = std::get_if<QBrush>(&brush);
    if (!region || !fill || path_ || !Ready()) {
        return;
    }
    QPainterPath outline;
    outline.addRegion(*region);
    painter_.fillPath(ToPainter(outline), *fill);
}

void TEmfPlayback::FillRgn(const TEmrFillRgn& record) {
    if (record.Complete()) {
        FillRegion(EmfRegion(record.Region()), Object(record.Brush()));
    }
}

void TEmfPlayback::PaintRgn(const TEmrPaintRgn& record) {
    if (record.Complete()) {
        FillRegion(EmfRegion(record.Region()), dc_.brush);
    }
}
