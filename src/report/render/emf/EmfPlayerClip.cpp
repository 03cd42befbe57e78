// Clipping: regions given in device units, rectangles and paths in logical
// units, all kept as a region of device units.
#include "report/render/emf/EmfPlayback.h"

#include <algorithm>
#include <cmath>

namespace {

// A logical coordinate mapped to whole device units within the region limit.
int DeviceCoord(double value) {
    return EmfClampRegionCoord(
        static_cast<std::int32_t>(std::lround(std::clamp(value, -1e8, 1e8))));
}

} // namespace

int EmfClampRegionCoord(std::int32_t value) {
    return std::clamp(value, -kEmfMaxRegionCoord, kEmfMaxRegionCoord);
}

std::optional<QRegion> EmfRegion(const TEmfRegionData& data) {
    if (!data.Complete()) {
        return std::nullopt;
    }
    const std::uint32_t count = data.Count();
    std::vector<QRect> rects;
    rects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const TEmfRectL rect = data.Rect(i);
        const int left = EmfClampRegionCoord(rect.left);
        const int top = EmfClampRegionCoord(rect.top);
        const int right = EmfClampRegionCoord(rect.right);
        const int bottom = EmfClampRegionCoord(rect.bottom);
        if (right > left && bottom > top) {
            rects.emplace_back(left, top, right - left, bottom - top);
        }
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

// Clipping is replaced without switching it off first: Qt forgets a
// complex clip region set right after clipping was switched off.
void TEmfPlayback::ApplyClip() {
    if (dc_.clip && !callerClip_) {
        painter_.setWorldTransform(base_);
        painter_.setClipRegion(*dc_.clip);
    } else {
        painter_.setWorldTransform(callerTransform_);
        if (callerClip_) {
            painter_.setClipPath(*callerClip_);
        } else {
            painter_.setClipping(false);
        }
        if (dc_.clip) {
            painter_.setWorldTransform(base_);
            painter_.setClipRegion(*dc_.clip, Qt::IntersectClip);
        }
    }
    transformDirty_ = true;
}

void TEmfPlayback::CombineClip(const QRegion& region, std::uint32_t mode) {
    const QRegion everything(-kEmfMaxRegionCoord, -kEmfMaxRegionCoord, 2 * kEmfMaxRegionCoord,
                             2 * kEmfMaxRegionCoord);
    const QRegion current = dc_.clip.value_or(everything);
    switch (mode) {
    case emf::kRgnAnd:
        dc_.clip = current.intersected(region);
        break;
    case emf::kRgnOr:
        dc_.clip = current.united(region);
        break;
    case emf::kRgnXor:
        dc_.clip = current.xored(region);
        break;
    case emf::kRgnDiff:
        dc_.clip = current.subtracted(region);
        break;
    case emf::kRgnCopy:
        dc_.clip = region;
        break;
    default:
        return;
    }
    ApplyClip();
}

void TEmfPlayback::ExtSelectClipRgn(const TEmrExtSelectClipRgn& record) {
    if (!record.Complete()) {
        return;
    }
    if (record.Mode() == emf::kRgnCopy && record.RegionSize() == 0) {
        dc_.clip.reset();
        ApplyClip();
    } else if (const auto region = EmfRegion(record.Region())) {
        CombineClip(*region, record.Mode());
    }
}

void TEmfPlayback::ClipRect(const TEmrClipRect& record, std::uint32_t mode) {
    const QTransform toDevice = dc_.world * PageTransform();
    if (!record.Complete() || !EmfSaneTransform(toDevice)) {
        return;
    }
    const TEmfRectL given = record.Rect();
    const QRectF logical(QPointF(given.left, given.top), QPointF(given.right, given.bottom));
    const QRectF device = toDevice.mapRect(logical.normalized());
    const QRect rect(QPoint(DeviceCoord(device.left()), DeviceCoord(device.top())),
                     QPoint(DeviceCoord(device.right()) - 1, DeviceCoord(device.bottom()) - 1));
    CombineClip(QRegion(rect), mode);
}

void TEmfPlayback::OffsetClipRgn(const TEmrOffsetClipRgn& record) {
    if (!record.Complete() || !dc_.clip) {
        return;
    }
    const QTransform toDevice = dc_.world * PageTransform();
    const QPointF offset = toDevice.map(EmfPointF(record.Offset())) - toDevice.map(QPointF(0, 0));
    if (EmfSaneTransform(toDevice) && std::abs(offset.x()) < kEmfMaxRegionCoord &&
        std::abs(offset.y()) < kEmfMaxRegionCoord) {
        dc_.clip->translate(offset.toPoint());
        ApplyClip();
    }
}

void TEmfPlayback::SelectClipPath(const TEmrSelectClipPath& record) {
    const QTransform toDevice = dc_.world * PageTransform();
    if (!record.Complete() || !EmfSaneTransform(toDevice)) {
        return;
    }
    finishedPath_.setFillRule(dc_.fillRule);
    const QRegion region(finishedPath_.toFillPolygon(toDevice).toPolygon(), dc_.fillRule);
    finishedPath_ = QPainterPath();
    CombineClip(region, record.Mode());
}
