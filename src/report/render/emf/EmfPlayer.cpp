#include "report/render/emf/EmfPlayer.h"
#include "report/render/emf/EmfBitmap.h"
#include "report/render/emf/EmfPlayback.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

namespace {

// Beyond these a transform only turns coordinates into noise, and a region
// into work without end.
constexpr double kMaxScale = 1e6;
constexpr double kMaxOffset = 1e12;
constexpr int kMaxRegionCoord = 10'000'000;

int ClampRegionCoord(std::int32_t value) {
    return std::clamp(value, -kMaxRegionCoord, kMaxRegionCoord);
}

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

// The rectangles of region data at offset at: a header of at least 32 bytes
// whose third field counts them, then left, top, right and bottom of each.
// Nothing when they are not all there.
std::optional<QRegion> ReadRegion(const TEmfRecord& r, std::size_t at) {
    const std::uint32_t headerSize = r.U32(at);
    const std::uint32_t count = r.U32(at + 8);
    const std::size_t rectsAt = at + std::size_t{headerSize};
    if (headerSize < 32 || !r.HasArray(rectsAt, count, 16)) {
        return std::nullopt;
    }
    std::vector<QRect> rects;
    rects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t rect = rectsAt + 16 * std::size_t{i};
        const int left = ClampRegionCoord(r.I32(rect));
        const int top = ClampRegionCoord(r.I32(rect + 4));
        const int right = ClampRegionCoord(r.I32(rect + 8));
        const int bottom = ClampRegionCoord(r.I32(rect + 12));
        if (right > left && bottom > top) {
            rects.emplace_back(left, top, right - left, bottom - top);
        }
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

bool Sane(const QTransform& t) {
    for (const double v : {t.m11(), t.m12(), t.m21(), t.m22()}) {
        if (!std::isfinite(v) || std::abs(v) > kMaxScale) {
            return false;
        }
    }
    return std::isfinite(t.dx()) && std::isfinite(t.dy()) && std::abs(t.dx()) <= kMaxOffset &&
           std::abs(t.dy()) <= kMaxOffset && std::isfinite(t.m13()) && std::isfinite(t.m23()) &&
           std::isfinite(t.m33());
}

} // namespace

TEmfPlayback::TEmfPlayback(QPainter& painter, const TEmfHeader& header, const QRectF& target)
    : painter_(painter), header_(header), callerTransform_(painter.worldTransform()),
      objects_(header.handles) {
    const QRectF& frame = header.frame;
    const double sx = target.width() / frame.width();
    const double sy = target.height() / frame.height();
    base_ = QTransform(sx, 0, 0, sy, target.left() - frame.left() * sx,
                       target.top() - frame.top() * sy) *
            callerTransform_;
    if (painter.hasClipping()) {
        callerClip_ = painter.clipPath();
    }
    UpdateTransform();
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
    sane_ = Sane(full_);
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
    const QRegion everything(-kMaxRegionCoord, -kMaxRegionCoord, 2 * kMaxRegionCoord,
                             2 * kMaxRegionCoord);
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

TEmfObject* TEmfPlayback::Slot(std::uint32_t handle) {
    return handle > 0 && handle < objects_.size() ? &objects_[handle] : nullptr;
}

void TEmfPlayback::Create(const TEmfRecord& record, std::optional<TEmfObject> object) {
    if (TEmfObject* slot = Slot(record.U32(8)); slot && object) {
        *slot = std::move(*object);
    }
}

TEmfObject TEmfPlayback::Object(std::uint32_t handle) {
    if (handle & emf::kStockObject) {
        return EmfStockObject(handle & ~emf::kStockObject);
    }
    const TEmfObject* object = Slot(handle);
    return object ? *object : TEmfObject();
}

void TEmfPlayback::SelectObject(std::uint32_t handle) {
    const TEmfObject object = Object(handle);
    if (const auto* pen = std::get_if<QPen>(&object)) {
        dc_.pen = *pen;
    } else if (const auto* brush = std::get_if<QBrush>(&object)) {
        dc_.brush = *brush;
    } else if (const auto* font = std::get_if<TEmfFont>(&object)) {
        dc_.font = *font;
    }
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

void TEmfPlayback::DrawBitmap(const TEmfRecord& record, QRectF target, QPointF sourceOrigin,
                              QSizeF sourceSize, std::size_t infoField, bool alpha,
                              double opacity) {
    const TEmfRecord info(record.Bytes(record.U32(infoField), record.U32(infoField + 4)));
    const QImage image =
        DecodeDib(record.Bytes(record.U32(infoField), record.U32(infoField + 4)),
                  record.Bytes(record.U32(infoField + 8), record.U32(infoField + 12)), alpha);
    if (image.isNull() || path_ || !Ready()) {
        return;
    }
    // Rows of a bottom-up bitmap count from its bottom.
    if (info.I32(8) > 0) {
        sourceOrigin.setY(image.height() - sourceOrigin.y() - sourceSize.height());
    }
    const double before = painter_.opacity();
    painter_.setOpacity(before * opacity);
    painter_.drawImage(ToPainter(target), image, QRectF(sourceOrigin, sourceSize));
    painter_.setOpacity(before);
}

void TEmfPlayback::PatternBlt(const QRectF& target, std::uint32_t rop) {
    if (path_ || !Ready()) {
        return;
    }
    if (rop == emf::kRopPatCopy) {
        painter_.fillRect(ToPainter(target), dc_.brush);
    } else if (rop == emf::kRopWhiteness || rop == emf::kRopBlackness) {
        painter_.fillRect(ToPainter(target), rop == emf::kRopWhiteness ? Qt::white : Qt::black);
    }
}

void TEmfPlayback::ClipToPath(std::uint32_t mode) {
    const QTransform toDevice = dc_.world * PageTransform();
    if (!Sane(toDevice)) {
        return;
    }
    finishedPath_.setFillRule(dc_.fillRule);
    const QRegion region(finishedPath_.toFillPolygon(toDevice).toPolygon(), dc_.fillRule);
    finishedPath_ = QPainterPath();
    CombineClip(region, mode);
}

void TEmfPlayback::Play(const TEmfRecord& r) {
    switch (r.Type()) {
    case emf::kPolyBezier:
    case emf::kPolyBezier16:
        PolyBezier(r, r.Type() == emf::kPolyBezier16, false);
        break;
    case emf::kPolyBezierTo:
    case emf::kPolyBezierTo16:
        PolyBezier(r, r.Type() == emf::kPolyBezierTo16, true);
        break;
    case emf::kPolygon:
    case emf::kPolygon16:
        Polygon(r, r.Type() == emf::kPolygon16, true);
        break;
    case emf::kPolyline:
    case emf::kPolyline16:
        Polygon(r, r.Type() == emf::kPolyline16, false);
        break;
    case emf::kPolylineTo:
    case emf::kPolylineTo16:
        PolylineTo(r, r.Type() == emf::kPolylineTo16);
        break;
    case emf::kPolyPolygon:
    case emf::kPolyPolygon16:
        PolyPolygon(r, r.Type() == emf::kPolyPolygon16, true);
        break;
    case emf::kPolyPolyline:
    case emf::kPolyPolyline16:
        PolyPolygon(r, r.Type() == emf::kPolyPolyline16, false);
        break;
    case emf::kSetWindowExtEx:
    case emf::kSetViewportExtEx:
        if (r.I32(8) != 0 && r.I32(12) != 0) {
            (r.Type() == emf::kSetWindowExtEx ? dc_.windowExt : dc_.viewportExt) =
                QSizeF(r.I32(8), r.I32(12));
            UpdateTransform();
        }
        break;
    case emf::kScaleWindowExtEx:
    case emf::kScaleViewportExtEx:
        if (r.I32(8) != 0 && r.I32(12) != 0 && r.I32(16) != 0 && r.I32(20) != 0) {
            QSizeF& ext = r.Type() == emf::kScaleWindowExtEx ? dc_.windowExt : dc_.viewportExt;
            ext = QSizeF(ext.width() * r.I32(8) / r.I32(12), ext.height() * r.I32(16) / r.I32(20));
            UpdateTransform();
        }
        break;
    case emf::kSetWindowOrgEx:
    case emf::kSetViewportOrgEx:
        (r.Type() == emf::kSetWindowOrgEx ? dc_.windowOrg : dc_.viewportOrg) =
            QPointF(r.I32(8), r.I32(12));
        UpdateTransform();
        break;
    case emf::kSetMapMode:
        dc_.mapMode = r.U32(8);
        UpdateTransform();
        break;
    case emf::kSetBkMode:
        dc_.bkMode = r.U32(8);
        break;
    case emf::kSetPolyFillMode:
        dc_.fillRule = r.U32(8) == emf::kWinding ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case emf::kSetTextAlign:
        dc_.textAlign = r.U32(8);
        break;
    case emf::kSetTextColor:
        dc_.textColor = EmfColor(r.U32(8));
        break;
    case emf::kSetBkColor:
        dc_.bkColor = EmfColor(r.U32(8));
        break;
    case emf::kMoveToEx:
        dc_.position = QPointF(r.I32(8), r.I32(12));
        if (path_) {
            path_->moveTo(dc_.position);
        }
        break;
    case emf::kLineTo: {
        const QPointF to(r.I32(8), r.I32(12));
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
        break;
    }
    case emf::kSetPixelV:
        if (!path_ && Ready()) {
            painter_.fillRect(ToPainter(QRectF(QPointF(r.I32(8), r.I32(12)), pixel_)),
                              EmfColor(r.U32(16)));
        }
        break;
    case emf::kRectangle:
        DrawRect(Box(r), true);
        break;
    case emf::kRoundRect: {
        QPainterPath path;
        path.addRoundedRect(Box(r), std::abs(r.I32(24)) / 2.0, std::abs(r.I32(28)) / 2.0);
        Draw(path, true, true);
        break;
    }
    case emf::kEllipse: {
        QPainterPath path;
        path.addEllipse(Box(r));
        Draw(path, true, true);
        break;
    }
    case emf::kArc:
    case emf::kArcTo:
    case emf::kChord:
    case emf::kPie:
        ArcRecord(r, static_cast<emf::TRecordType>(r.Type()));
        break;
    case emf::kSaveDC:
        if (saved_.size() < emf::kMaxSavedStates) {
            saved_.push_back(dc_);
        }
        break;
    case emf::kRestoreDC: {
        const std::int64_t index = r.I32(8);
        const std::int64_t depth = static_cast<std::int64_t>(saved_.size());
        const std::int64_t keep = index < 0 ? depth + index : index - 1;
        if (keep >= 0 && keep < depth) {
            dc_ = saved_[static_cast<std::size_t>(keep)];
            saved_.resize(static_cast<std::size_t>(keep));
            UpdateTransform();
            ApplyClip();
        }
        break;
    }
    case emf::kSetWorldTransform:
    case emf::kModifyWorldTransform: {
        const QTransform given(r.F32(8), r.F32(12), r.F32(16), r.F32(20), r.F32(24), r.F32(28));
        const std::uint32_t mode = r.Type() == emf::kSetWorldTransform ? emf::kMwtSet : r.U32(32);
        if (mode == emf::kMwtIdentity) {
            dc_.world = QTransform();
        } else if (!r.Has(32) || !Sane(given)) {
            break;
        } else if (mode == emf::kMwtSet) {
            dc_.world = given;
        } else if (mode == emf::kMwtLeftMultiply) {
            dc_.world = given * dc_.world;
        } else if (mode == emf::kMwtRightMultiply) {
            dc_.world = dc_.world * given;
        }
        UpdateTransform();
        break;
    }
    case emf::kSelectObject:
        SelectObject(r.U32(8));
        break;
    case emf::kDeleteObject:
        if (TEmfObject* slot = Slot(r.U32(8))) {
            *slot = std::monostate();
        }
        break;
    case emf::kCreatePen:
    case emf::kExtCreatePen:
        Create(r, ReadEmfPen(r, r.Type() == emf::kExtCreatePen));
        break;
    case emf::kCreateBrushIndirect:
        Create(r, ReadEmfBrush(r));
        break;
    case emf::kCreateMonoBrush:
    case emf::kCreateDibPatternBrush:
        Create(r, ReadEmfPatternBrush(r));
        break;
    case emf::kExtCreateFontIndirectW:
        Create(r, ReadEmfFont(r));
        break;
    case emf::kExtTextOutW:
    case emf::kExtTextOutA:
        TextOut(r, r.Type() == emf::kExtTextOutW);
        break;
    case emf::kBeginPath:
        path_ = QPainterPath();
        break;
    case emf::kEndPath:
        if (path_) {
            finishedPath_ = std::move(*path_);
            path_.reset();
        }
        break;
    case emf::kCloseFigure:
        if (path_) {
            path_->closeSubpath();
        }
        break;
    case emf::kAbortPath:
        path_.reset();
        finishedPath_ = QPainterPath();
        break;
    case emf::kFillPath:
    case emf::kStrokePath:
    case emf::kStrokeAndFillPath:
        FinishPath(r.Type() != emf::kStrokePath, r.Type() != emf::kFillPath);
        break;
    case emf::kSelectClipPath:
        ClipToPath(r.U32(8));
        break;
    case emf::kExtSelectClipRgn:
        if (r.U32(12) == emf::kRgnCopy && r.U32(8) == 0) {
            dc_.clip.reset();
            ApplyClip();
        } else if (const auto region = ReadRegion(r, 16)) {
            CombineClip(*region, r.U32(12));
        }
        break;
    case emf::kFillRgn:
        FillRegion(ReadRegion(r, 32), Object(r.U32(28)));
        break;
    case emf::kPaintRgn:
        FillRegion(ReadRegion(r, 28), dc_.brush);
        break;
    case emf::kIntersectClipRect:
    case emf::kExcludeClipRect: {
        const QTransform toDevice = dc_.world * PageTransform();
        if (!Sane(toDevice)) {
            break;
        }
        const QRectF logical(QPointF(r.I32(8), r.I32(12)), QPointF(r.I32(16), r.I32(20)));
        const QRectF device = toDevice.mapRect(logical.normalized());
        const QRect rect(QPoint(ClampRegionCoord(static_cast<std::int32_t>(
                                    std::lround(std::clamp(device.left(), -1e8, 1e8)))),
                                ClampRegionCoord(static_cast<std::int32_t>(
                                    std::lround(std::clamp(device.top(), -1e8, 1e8))))),
                         QPoint(ClampRegionCoord(static_cast<std::int32_t>(
                                    std::lround(std::clamp(device.right(), -1e8, 1e8)))) -
                                    1,
                                ClampRegionCoord(static_cast<std::int32_t>(
                                    std::lround(std::clamp(device.bottom(), -1e8, 1e8)))) -
                                    1));
        CombineClip(QRegion(rect),
                    r.Type() == emf::kIntersectClipRect ? emf::kRgnAnd : emf::kRgnDiff);
        break;
    }
    case emf::kOffsetClipRgn:
        if (dc_.clip) {
            const QTransform toDevice = dc_.world * PageTransform();
            const QPointF offset =
                toDevice.map(QPointF(r.I32(8), r.I32(12))) - toDevice.map(QPointF(0, 0));
            if (Sane(toDevice) && std::abs(offset.x()) < kMaxRegionCoord &&
                std::abs(offset.y()) < kMaxRegionCoord) {
                dc_.clip->translate(offset.toPoint());
                ApplyClip();
            }
        }
        break;
    case emf::kStretchDIBits:
        if (r.Has(80)) {
            DrawBitmap(r, QRectF(r.I32(24), r.I32(28), r.I32(72), r.I32(76)),
                       QPointF(r.I32(32), r.I32(36)), QSizeF(r.I32(40), r.I32(44)), 48);
        }
        break;
    case emf::kSetDIBitsToDevice:
        if (r.Has(76)) {
            DrawBitmap(r, QRectF(r.I32(24), r.I32(28), r.I32(40), r.I32(44)),
                       QPointF(r.I32(32), r.I32(36)), QSizeF(r.I32(40), r.I32(44)), 48);
        }
        break;
    case emf::kBitBlt:
    case emf::kStretchBlt: {
        const bool stretch = r.Type() == emf::kStretchBlt;
        if (!r.Has(stretch ? 108 : 100)) {
            break;
        }
        const QRectF target(r.I32(24), r.I32(28), r.I32(32), r.I32(36));
        if (r.U32(88) == 0) {
            PatternBlt(target, r.U32(40));
        } else {
            const QSizeF source = stretch ? QSizeF(r.I32(100), r.I32(104)) : target.size();
            DrawBitmap(r, target, QPointF(r.I32(44), r.I32(48)), source, 84);
        }
        break;
    }
    case emf::kAlphaBlend:
        if (r.Has(108)) {
            // Blend function: operation, flags, constant alpha, whether the
            // source has alpha of its own.
            DrawBitmap(r, QRectF(r.I32(24), r.I32(28), r.I32(32), r.I32(36)),
                       QPointF(r.I32(44), r.I32(48)), QSizeF(r.I32(100), r.I32(104)), 84,
                       r.U8(43) != 0, r.U8(42) / 255.0);
        }
        break;
    default:
        break;
    }
}

void PlayEmf(QPainter& painter, std::string_view bytes, const TEmfHeader& header,
             const QRectF& target) {
    if (header.frame.width() <= 0 || header.frame.height() <= 0 || !target.isValid()) {
        return;
    }
    painter.save();
    {
        TEmfPlayback player(painter, header, target);
        ForEachEmfRecord(bytes, header, [&](const TEmfRecord& record) { player.Play(record); });
    }
    painter.restore();
}
