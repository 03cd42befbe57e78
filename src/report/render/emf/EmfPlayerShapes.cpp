// Lines, polygons, curves, arcs and paths of the file.
#include "report/render/emf/EmfPlayback.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// Boxes exclude their right and bottom device pixels.
QRectF TEmfPlayback::Box(const TEmfRecord& record) const {
    const double left = std::min(record.I32(8), record.I32(16));
    const double right = std::max(record.I32(8), record.I32(16));
    const double top = std::min(record.I32(12), record.I32(20));
    const double bottom = std::max(record.I32(12), record.I32(20));
    return QRectF(left, top, std::max(0.0, right - left - pixel_.width()),
                  std::max(0.0, bottom - top - pixel_.height()));
}

std::optional<QPolygonF> TEmfPlayback::Points(const TEmfRecord& record, std::size_t countAt,
                                              bool small) const {
    const std::uint32_t count = record.U32(countAt);
    const std::size_t at = countAt + 4;
    const std::size_t pointSize = small ? 4 : 8;
    if (!record.HasArray(at, count, pointSize)) {
        return std::nullopt;
    }
    QPolygonF points;
    points.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t p = at + i * pointSize;
        points.append(small ? QPointF(record.I16(p), record.I16(p + 2))
                            : QPointF(record.I32(p), record.I32(p + 4)));
    }
    return points;
}

std::optional<std::vector<QPolygonF>> TEmfPlayback::PolyPoints(const TEmfRecord& record,
                                                               bool small) const {
    const std::uint32_t polygons = record.U32(24);
    const std::uint32_t total = record.U32(28);
    const std::size_t pointSize = small ? 4 : 8;
    if (!record.HasArray(32, polygons, 4)) {
        return std::nullopt;
    }
    const std::size_t pointsAt = 32 + std::size_t{polygons} * 4;
    if (!record.HasArray(pointsAt, total, pointSize)) {
        return std::nullopt;
    }
    std::vector<QPolygonF> result;
    std::uint64_t next = 0;
    for (std::uint32_t i = 0; i < polygons; ++i) {
        const std::uint32_t count = record.U32(32 + 4 * std::size_t{i});
        if (count > total - next) {
            return std::nullopt;
        }
        QPolygonF polygon;
        polygon.reserve(count);
        for (std::uint32_t k = 0; k < count; ++k, ++next) {
            const std::size_t p = pointsAt + next * pointSize;
            polygon.append(small ? QPointF(record.I16(p), record.I16(p + 2))
                                 : QPointF(record.I32(p), record.I32(p + 4)));
        }
        result.push_back(std::move(polygon));
    }
    return result;
}

void TEmfPlayback::Polygon(const TEmfRecord& record, bool small, bool closed) {
    const auto points = Points(record, 24, small);
    if (!points || points->size() < 2) {
        return;
    }
    QPainterPath path;
    path.setFillRule(dc_.fillRule);
    path.addPolygon(*points);
    if (closed) {
        path.closeSubpath();
    }
    Draw(path, closed, true);
}

void TEmfPlayback::PolyPolygon(const TEmfRecord& record, bool small, bool closed) {
    const auto polygons = PolyPoints(record, small);
    if (!polygons) {
        return;
    }
    QPainterPath path;
    path.setFillRule(dc_.fillRule);
    for (const QPolygonF& polygon : *polygons) {
        if (polygon.size() >= 2) {
            path.addPolygon(polygon);
            if (closed) {
                path.closeSubpath();
            }
        }
    }
    Draw(path, closed, true);
}

void TEmfPlayback::PolyBezier(const TEmfRecord& record, bool small, bool fromCurrent) {
    const auto points = Points(record, 24, small);
    if (!points || points->empty()) {
        return;
    }
    QPainterPath path;
    qsizetype i = 0;
    if (fromCurrent) {
        path.moveTo(dc_.position);
    } else {
        path.moveTo(points->front());
        i = 1;
    }
    for (; i + 2 < points->size(); i += 3) {
        path.cubicTo((*points)[i], (*points)[i + 1], (*points)[i + 2]);
    }
    dc_.position = path.currentPosition();
    if (path_ && fromCurrent) {
        path_->connectPath(path);
        return;
    }
    Draw(path, false, true);
}

void TEmfPlayback::PolylineTo(const TEmfRecord& record, bool small) {
    const auto points = Points(record, 24, small);
    if (!points || points->empty()) {
        return;
    }
    QPainterPath path(dc_.position);
    for (const QPointF& point : *points) {
        path.lineTo(point);
    }
    dc_.position = points->back();
    if (path_) {
        path_->connectPath(path);
        return;
    }
    Draw(path, false, true);
}

// Arcs run counter-clockwise from the radial through the start point to the
// radial through the end point.
void TEmfPlayback::ArcRecord(const TEmfRecord& record, emf::TRecordType type) {
    const QRectF box = Box(record);
    if (box.width() <= 0 || box.height() <= 0) {
        return;
    }
    const QPointF center = box.center();
    const auto angle = [&](QPointF p) {
        return std::atan2(-(p.y() - center.y()) / box.height(),
                          (p.x() - center.x()) / box.width()) *
               180 / std::numbers::pi;
    };
    const double start = angle(QPointF(record.I32(24), record.I32(28)));
    double sweep = angle(QPointF(record.I32(32), record.I32(36))) - start;
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

void TEmfPlayback::FinishPath(bool fill, bool stroke) {
    QPainterPath path = std::move(finishedPath_);
    finishedPath_ = QPainterPath();
    path_.reset();
    path.setFillRule(dc_.fillRule);
    Draw(path, fill, stroke);
}
