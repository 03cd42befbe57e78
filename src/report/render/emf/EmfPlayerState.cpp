// The device context's state: extents, origins and map modes, the world
// transform, modes and colours, saved states; and how logical units reach
// the painter.
#include "report/render/emf/EmfPlayback.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond these a transform only turns coordinates into noise.
constexpr double kMaxScale = 1e6;
constexpr double kMaxOffset = 1e12;

// Logical units scaled to pixels come out a hair off whole and half pixels
// (1/48 has no exact binary form); such values are put back on the pixel grid,
// where Qt's fast drawing of thin lines and fills applies.
double Snap(double value) {
    const double snapped = std::round(value * 1024) / 1024;
    return std::abs(value - snapped) < 1e-6 ? snapped : value;
}

QPointF Snap(const QPointF& point) {
    return {Snap(point.x()), Snap(point.y())};
}

} // namespace

bool EmfSaneTransform(const QTransform& t) {
    for (const double v : {t.m11(), t.m12(), t.m21(), t.m22()}) {
        if (!std::isfinite(v) || std::abs(v) > kMaxScale) {
            return false;
        }
    }
    return std::isfinite(t.dx()) && std::isfinite(t.dy()) && std::abs(t.dx()) <= kMaxOffset &&
           std::abs(t.dy()) <= kMaxOffset && std::isfinite(t.m13()) && std::isfinite(t.m23()) &&
           std::isfinite(t.m33());
}

QTransform TEmfPlayback::PageTransform() const {
    double sx = 1;
    double sy = 1;
    const double mmX = header_.pixelsPerMmX;
    const double mmY = header_.pixelsPerMmY;
    switch (dc_.mapMode) {
    case emf::kMmLoMetric:
        sx = mmX / 10;
        sy = -mmY / 10;
        break;
    case emf::kMmHiMetric:
        sx = mmX / 100;
        sy = -mmY / 100;
        break;
    case emf::kMmLoEnglish:
        sx = mmX * 0.254;
        sy = -mmY * 0.254;
        break;
    case emf::kMmHiEnglish:
        sx = mmX * 0.0254;
        sy = -mmY * 0.0254;
        break;
    case emf::kMmTwips:
        sx = mmX * 25.4 / 1440;
        sy = -mmY * 25.4 / 1440;
        break;
    case emf::kMmIsotropic:
    case emf::kMmAnisotropic:
        sx = dc_.viewportExt.width() / dc_.windowExt.width();
        sy = dc_.viewportExt.height() / dc_.windowExt.height();
        if (dc_.mapMode == emf::kMmIsotropic) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        break;
    default:
        break;
    }
    return QTransform::fromTranslate(-dc_.windowOrg.x(), -dc_.windowOrg.y()) *
           QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(dc_.viewportOrg.x(), dc_.viewportOrg.y());
}

void TEmfPlayback::UpdateTransform() {
    const QTransform toDevice = dc_.world * PageTransform();
    full_ = toDevice * base_;
    sane_ = EmfSaneTransform(full_);
    device_ = full_.type() <= QTransform::TxScale;
    penScale_ = std::sqrt(std::abs(full_.m11() * full_.m22()));
    // One device pixel in logical units.
    const double across = std::hypot(toDevice.m11(), toDevice.m12());
    const double down = std::hypot(toDevice.m21(), toDevice.m22());
    pixel_ = QSizeF(across > 0 && std::isfinite(across) ? 1 / across : 1,
                    down > 0 && std::isfinite(down) ? 1 / down : 1);
    transformDirty_ = true;
}

// Whether drawing can go ahead. Under a transform that only scales and
// moves, shapes are mapped here and drawn in the painter's device pixels with
// pens scaled to match, so Qt draws them as it would have drawn them for the
// painter that recorded them, at any zoom. Otherwise the painter draws
// through the transform.
bool TEmfPlayback::Ready() {
    if (!sane_) {
        return false;
    }
    if (transformDirty_) {
        painter_.setWorldTransform(device_ ? QTransform() : full_);
        transformDirty_ = false;
    }
    return true;
}

QPen TEmfPlayback::PainterPen() const {
    QPen pen = dc_.pen;
    if (device_ && !pen.isCosmetic()) {
        pen.setWidthF(Snap(pen.widthF() * penScale_));
    }
    return pen;
}

QRectF TEmfPlayback::ToPainter(const QRectF& rect) const {
    if (!device_) {
        return rect;
    }
    const QRectF mapped = full_.mapRect(rect);
    return QRectF(Snap(mapped.topLeft()), Snap(mapped.bottomRight()));
}

QPointF TEmfPlayback::ToPainter(const QPointF& point) const {
    return device_ ? Snap(full_.map(point)) : point;
}

QPainterPath TEmfPlayback::ToPainter(const QPainterPath& path) const {
    if (!device_) {
        return path;
    }
    QPainterPath mapped = full_.map(path);
    for (int i = 0; i < mapped.elementCount(); ++i) {
        const QPointF point = Snap(QPointF(mapped.elementAt(i)));
        mapped.setElementPositionAt(i, point.x(), point.y());
    }
    return mapped;
}

void TEmfPlayback::SetExtent(QSizeF& extent, const TEmrSetExtent& record) {
    const TEmfSizeL given = record.Extent();
    if (record.Complete() && given.cx != 0 && given.cy != 0) {
        extent = QSizeF(given.cx, given.cy);
        UpdateTransform();
    }
}

void TEmfPlayback::ScaleExtent(QSizeF& extent, const TEmrScaleExtent& record) {
    if (record.Complete() && record.XNum() != 0 && record.XDenom() != 0 && record.YNum() != 0 &&
        record.YDenom() != 0) {
        extent = QSizeF(extent.width() * record.XNum() / record.XDenom(),
                        extent.height() * record.YNum() / record.YDenom());
        UpdateTransform();
    }
}

void TEmfPlayback::SetOrigin(QPointF& origin, const TEmrSetOrigin& record) {
    if (record.Complete()) {
        origin = EmfPointF(record.Origin());
        UpdateTransform();
    }
}

void TEmfPlayback::SetMapMode(const TEmrSetMode& record) {
    if (record.Complete()) {
        dc_.mapMode = record.Mode();
        UpdateTransform();
    }
}

void TEmfPlayback::SetBkMode(const TEmrSetMode& record) {
    if (record.Complete()) {
        dc_.bkMode = record.Mode();
    }
}

void TEmfPlayback::SetPolyFillMode(const TEmrSetMode& record) {
    if (record.Complete()) {
        dc_.fillRule = record.Mode() == emf::kWinding ? Qt::WindingFill : Qt::OddEvenFill;
    }
}

void TEmfPlayback::SetTextAlign(const TEmrSetMode& record) {
    if (record.Complete()) {
        dc_.textAlign = record.Mode();
    }
}

void TEmfPlayback::SetColor(QColor& color, const TEmrSetColor& record) {
    if (record.Complete()) {
        color = EmfColor(record.Color());
    }
}

void TEmfPlayback::SaveDC() {
    if (saved_.size() < emf::kMaxSavedStates) {
        saved_.push_back(dc_);
    }
}

void TEmfPlayback::RestoreDC(const TEmrRestoreDC& record) {
    const std::int64_t index = record.SavedDC();
    const std::int64_t depth = static_cast<std::int64_t>(saved_.size());
    const std::int64_t keep = index < 0 ? depth + index : index - 1;
    if (record.Complete() && keep >= 0 && keep < depth) {
        dc_ = saved_[static_cast<std::size_t>(keep)];
        saved_.resize(static_cast<std::size_t>(keep));
        UpdateTransform();
        ApplyClip();
    }
}

void TEmfPlayback::SetWorldTransform(const TEmrSetWorldTransform& record) {
    if (record.Complete()) {
        ChangeWorld(record.Transform(), emf::kMwtSet);
    }
}

void TEmfPlayback::ModifyWorldTransform(const TEmrModifyWorldTransform& record) {
    if (record.Complete()) {
        ChangeWorld(record.Transform(), record.Mode());
    }
}

void TEmfPlayback::ChangeWorld(const TEmfXForm& form, std::uint32_t mode) {
    const QTransform given(form.m11, form.m12, form.m21, form.m22, form.dx, form.dy);
    if (mode == emf::kMwtIdentity) {
        dc_.world = QTransform();
    } else if (!EmfSaneTransform(given)) {
        return;
    } else if (mode == emf::kMwtSet) {
        dc_.world = given;
    } else if (mode == emf::kMwtLeftMultiply) {
        dc_.world = given * dc_.world;
    } else if (mode == emf::kMwtRightMultiply) {
        dc_.world = dc_.world * given;
    }
    UpdateTransform();
}
