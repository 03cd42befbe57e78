// Polygons, polylines and Bézier curves of the file, in 16-bit and 32-bit
// points.
#include "report/render/emf/EmfPlayback.h"

std::optional<QPolygonF> TEmfPlayback::Points(const TEmrPoly& record) const {
    if (!record.Complete() || !record.HasPoints()) {
        return std::nullopt;
    }
    const std::uint32_t count = record.Count();
    QPolygonF points;
    points.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        points.append(EmfPointF(record.Point(i)));
    }
    return points;
}

std::optional<std::vector<QPolygonF>> TEmfPlayback::PolyPoints(const TEmrPolyPoly& record) const {
    if (!record.Complete() || !record.HasPolygonSizes() || !record.HasPoints()) {
        return std::nullopt;
    }
    const std::uint32_t polygons = record.Polygons();
    const std::uint32_t total = record.TotalPoints();
    std::vector<QPolygonF> result;
    std::uint64_t next = 0;
    for (std::uint32_t i = 0; i < polygons; ++i) {
        const std::uint32_t count = record.PolygonSize(i);
        if (count > total - next) {
            return std::nullopt;
        }
        QPolygonF polygon;
        polygon.reserve(count);
        for (std::uint32_t k = 0; k < count; ++k, ++next) {
            polygon.append(EmfPointF(record.Point(next)));
        }
        result.push_back(std::move(polygon));
    }
    return result;
}

void TEmfPlayback::Polygon(const TEmrPoly& record, bool closed) {
    const auto points = Points(record);
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

void TEmfPlayback::PolyPolygon(const TEmrPolyPoly& record, bool closed) {
    const auto polygons = PolyPoints(record);
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

void TEmfPlayback::PolyBezier(const TEmrPoly& record, bool fromCurrent) {
    const auto points = Points(record);
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

void TEmfPlayback::PolylineTo(const TEmrPoly& record) {
    const auto points = Points(record);
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
