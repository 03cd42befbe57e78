#include "report/render/emf/EmfRecorder.h"
#include "report/render/emf/EmfPaintEngine.h"

#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Handles: pens alternate between 1 and 2, brushes 3 and 4, fonts 5 and 6,
// so that the object in use is never the one deleted.
constexpr std::uint16_t kHandleCount = 7;

QPoint ClampedClipPoint(const QPointF& point) {
    constexpr double kLimit = 10'000'000;
    return QPoint(static_cast<int>(std::lround(std::clamp(point.x(), -kLimit, kLimit))),
                  static_cast<int>(std::lround(std::clamp(point.y(), -kLimit, kLimit))));
}

// A clip in device pixels, its corners held within ten million pixels: the
// file keeps it as whole pixels, and a painter may clip anywhere.
QRegion DeviceClip(const QPainterPath& path, const QTransform& toDevice) {
    QPolygon polygon;
    for (const QPointF& point : path.toFillPolygon(toDevice)) {
        polygon.append(ClampedClipPoint(point));
    }
    return QRegion(polygon, path.fillRule());
}

QRegion DeviceClip(const QRegion& region, const QTransform& toDevice) {
    QRegion clamped;
    for (const QRect& rect : region) {
        // Not through QRect's width: rectangles Qt saturated at the int
        // limits would overflow it.
        const QRectF mapped = toDevice.mapRect(QRectF(
            QPointF(rect.left(), rect.top()), QPointF(static_cast<double>(rect.right()) + 1,
                                                      static_cast<double>(rect.bottom()) + 1)));
        clamped |= QRect(ClampedClipPoint(mapped.topLeft()),
                         ClampedClipPoint(mapped.bottomRight()) - QPoint(1, 1));
    }
    return clamped;
}

} // namespace

std::uint32_t EmfColorRef(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

// Coordinates are 32-bit in the file; anything beyond this limit is off any page.
std::int32_t EmfCoord(double pixels) {
    constexpr double kLimit = 1e9;
    const double value = pixels * kEmfUnitsPerPixel;
    if (!(value > -kLimit)) {
        return static_cast<std::int32_t>(-kLimit);
    }
    return static_cast<std::int32_t>(std::lround(std::min(value, kLimit)));
}

QRect EmfDeviceBounds(const QRect& logical) {
    const auto down = [](int v) {
        return v >= 0 ? v / kEmfUnitsPerPixel : -((-v + kEmfUnitsPerPixel - 1) / kEmfUnitsPerPixel);
    };
    const auto up = [&](int v) { return -down(-v); };
    return QRect(QPoint(down(logical.left()), down(logical.top())),
                 QPoint(up(logical.right()), up(logical.bottom())));
}

bool EmfFits16(const QPolygon& polygon) {
    return std::all_of(polygon.begin(), polygon.end(), [](const QPoint& p) {
        return p.x() >= SHRT_MIN && p.x() <= SHRT_MAX && p.y() >= SHRT_MIN && p.y() <= SHRT_MAX;
    });
}

bool TEmfPaintEngine::begin(QPaintDevice*) {
    out_.Clear();
    pen_ = QPen();
    brush_ = QBrush();
    pointTransform_ = worldTransform_ = QTransform();
    widthScale_ = fontScale_ = 1;
    clip_.reset();
    clipEnabled_ = false;
    penSlot_ = {1, {}};
    brushSlot_ = {3, {}};
    fontSlot_ = {5, {}};
    metrics_.reset();
    textColor_ = Qt::black;
    fillRule_ = Qt::OddEvenFill;
    position_.reset();
    // Logical units to pixels, then text without a background, positioned at
    // its baseline.
    out_.Begin(emf::kSetMapMode);
    out_.U32(emf::kMmAnisotropic);
    out_.End();
    out_.Begin(emf::kSetWindowExtEx);
    out_.I32(std::max(width_, 1) * kEmfUnitsPerPixel);
    out_.I32(std::max(height_, 1) * kEmfUnitsPerPixel);
    out_.End();
    out_.Begin(emf::kSetViewportExtEx);
    out_.I32(std::max(width_, 1));
    out_.I32(std::max(height_, 1));
    out_.End();
    out_.Begin(emf::kSetBkMode);
    out_.U32(emf::kTransparent);
    out_.End();
    out_.Begin(emf::kSetTextAlign);
    out_.U32(emf::kTaBaseline);
    out_.End();
    return true;
}

bool TEmfPaintEngine::end() {
    std::string file = EmfFileBytes(width_, height_, kHandleCount, out_.Data(), out_.RecordCount());
    out_.Clear();
    finished_(std::move(file));
    return true;
}

void TEmfPaintEngine::updateState(const QPaintEngineState& state) {
    const DirtyFlags flags = state.state();
    if (flags & DirtyPen) {
        pen_ = state.pen();
    }
    if (flags & DirtyBrush) {
        brush_ = state.brush();
    }
    // The transform first: clips arrive in the coordinates it sets.
    if (flags & DirtyTransform) {
        SetTransform(state.transform());
    }
    if (flags & (DirtyClipRegion | DirtyClipPath)) {
        const QRegion region = (flags & DirtyClipPath)
                                   ? DeviceClip(state.clipPath(), state.transform())
                                   : DeviceClip(state.clipRegion(), state.transform());
        switch (state.clipOperation()) {
        case Qt::NoClip:
            clip_.reset();
            break;
        case Qt::ReplaceClip:
            clip_ = region;
            break;
        case Qt::IntersectClip:
            clip_ = clip_ ? clip_->intersected(region) : region;
            break;
        }
        clipEnabled_ = state.clipOperation() != Qt::NoClip;
        SetClip(clipEnabled_ ? clip_ : std::nullopt);
    } else if (flags & DirtyClipEnabled) {
        clipEnabled_ = state.isClipEnabled();
        SetClip(clipEnabled_ ? clip_ : std::nullopt);
    }
}

void TEmfPaintEngine::SetTransform(const QTransform& transform) {
    QTransform world;
    if (transform.type() <= QTransform::TxScale) {
        pointTransform_ = transform;
        widthScale_ = std::sqrt(std::abs(transform.m11() * transform.m22()));
        fontScale_ = std::abs(transform.m22());
    } else {
        pointTransform_ = QTransform();
        // Applied to logical units, giving logical units.
        world = QTransform::fromScale(1.0 / kEmfUnitsPerPixel, 1.0 / kEmfUnitsPerPixel) *
                transform * QTransform::fromScale(kEmfUnitsPerPixel, kEmfUnitsPerPixel);
        widthScale_ = fontScale_ = 1;
    }
    if (world == worldTransform_) {
        return;
    }
    worldTransform_ = world;
    out_.Begin(emf::kSetWorldTransform);
    for (const double value :
         {world.m11(), world.m12(), world.m21(), world.m22(), world.dx(), world.dy()}) {
        out_.F32(static_cast<float>(value));
    }
    out_.End();
    position_.reset();
}

void TEmfPaintEngine::SetClip(const std::optional<QRegion>& clip) {
    out_.Begin(emf::kExtSelectClipRgn);
    if (!clip) {
        out_.U32(0);
        out_.U32(emf::kRgnCopy);
        out_.End();
        return;
    }
    const auto count = static_cast<std::uint32_t>(clip->rectCount());
    out_.U32(32 + 16 * count);
    out_.U32(emf::kRgnCopy);
    out_.U32(32); // region header: its size, rectangles, their count and bytes, bounds
    out_.U32(1);
    out_.U32(count);
    out_.U32(16 * count);
    const QRect bounds = clip->boundingRect();
    out_.I32(bounds.left());
    out_.I32(bounds.top());
    out_.I32(bounds.left() + bounds.width());
    out_.I32(bounds.top() + bounds.height());
    for (const QRect& rect : *clip) {
        out_.I32(rect.left());
        out_.I32(rect.top());
        out_.I32(rect.left() + rect.width());
        out_.I32(rect.top() + rect.height());
    }
    out_.End();
}

QPoint TEmfPaintEngine::Map(const QPointF& point) const {
    const QPointF mapped = pointTransform_.map(point);
    return {EmfCoord(mapped.x()), EmfCoord(mapped.y())};
}

QRect TEmfPaintEngine::MapRect(const QRectF& rect) const {
    const QPointF a = pointTransform_.map(rect.topLeft());
    const QPointF b = pointTransform_.map(rect.bottomRight());
    return QRect(QPoint(EmfCoord(std::min(a.x(), b.x())), EmfCoord(std::min(a.y(), b.y()))),
                 QPoint(EmfCoord(std::max(a.x(), b.x())), EmfCoord(std::max(a.y(), b.y()))));
}

QPolygon TEmfPaintEngine::MapPolygon(const QPolygonF& polygon) const {
    QPolygon mapped;
    mapped.reserve(polygon.size());
    for (const QPointF& point : polygon) {
        mapped.append(Map(point));
    }
    return mapped;
}

void TEmfPaintEngine::SetFillMode(Qt::FillRule rule) {
    if (rule == fillRule_) {
        return;
    }
    fillRule_ = rule;
    out_.Begin(emf::kSetPolyFillMode);
    out_.U32(rule == Qt::WindingFill ? emf::kWinding : emf::kAlternate);
    out_.End();
}

TEmfPaintDevice::TEmfPaintDevice(int width, int height, TFinished finished)
    : width_(width), height_(height),
      engine_(std::make_unique<TEmfPaintEngine>(width, height, std::move(finished))) {}

TEmfPaintDevice::~TEmfPaintDevice() = default;

QPaintEngine* TEmfPaintDevice::paintEngine() const {
    return engine_.get();
}

int TEmfPaintDevice::metric(PaintDeviceMetric metric) const {
    constexpr int kDpi = 96;
    switch (metric) {
    case PdmWidth:
        return width_;
    case PdmHeight:
        return height_;
    case PdmWidthMM:
        return static_cast<int>(std::lround(width_ * 25.4 / kDpi));
    case PdmHeightMM:
        return static_cast<int>(std::lround(height_ * 25.4 / kDpi));
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kDpi;
    default:
        return QPaintDevice::metric(metric);
    }
}
