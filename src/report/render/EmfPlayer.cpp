#include "report/render/EmfPlayer.h"
#include "report/render/EmfBitmap.h"
#include "report/render/EmfFormat.h"
#include "text/qt/QtCodec.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <variant>
#include <vector>

namespace {

using emf::TRecordType;

// Beyond these a transform only turns coordinates into noise, and a pen or
// region into work without end.
constexpr double kMaxScale = 1e6;
constexpr double kMaxOffset = 1e12;
constexpr double kMaxPenWidth = 1e5;
constexpr int kMaxRegionCoord = 10'000'000;
constexpr int kRussianCharset = 204;

QColor FromColorRef(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

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

struct TFont {
    QFont font{QStringLiteral("Arial")};
    double height = 16; // character height in logical units
    int escapement = 0; // tenths of a degree, counter-clockwise
    int charset = 1;
};

using TObject = std::variant<std::monostate, QPen, QBrush, TFont>;

QBrush HatchBrush(std::uint32_t hatch, const QColor& color) {
    static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                  Qt::FDiagPattern, Qt::BDiagPattern,
                                                  Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch < std::size(kHatches) ? QBrush(color, kHatches[hatch]) : QBrush(color);
}

// The drawing state of the file's device context.
struct TDcState {
    QPen pen{QBrush(Qt::black), 0, Qt::SolidLine, Qt::FlatCap};
    QBrush brush{Qt::white};
    TFont font;
    QColor textColor{Qt::black};
    QColor bkColor{Qt::white};
    std::uint32_t bkMode = emf::kOpaque;
    std::uint32_t textAlign = 0;
    std::uint32_t mapMode = emf::kMmText;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPointF windowOrg;
    QPointF viewportOrg;
    QSizeF windowExt{1, 1};
    QSizeF viewportExt{1, 1};
    QTransform world;
    QPointF position;
    std::optional<QRegion> clip; // in device units
};

class TEmfPlayer {
public:
    TEmfPlayer(QPainter& painter, const TEmfHeader& header, const QRectF& target);
    void Play(const TEmfRecord& record);

private:
    // Transforms: logical -> page space (world), page -> device (map mode),
    // device -> the painter (stretch into the target, then the painter's own).
    QTransform PageTransform() const;
    void UpdateTransform();
    bool Ready();
    QRectF ToPainter(const QRectF& rect) const;
    QPointF ToPainter(const QPointF& point) const;
    QPainterPath ToPainter(const QPainterPath& path) const;
    QPen PainterPen() const;
    void ApplyClip();
    void CombineClip(const QRegion& region, std::uint32_t mode);

    void Draw(const QPainterPath& path, bool fill, bool stroke);
    void DrawRect(const QRectF& rect, bool fill);
    void TextOut(const TEmfRecord& record, bool wide);
    void DrawBitmap(const TEmfRecord& record, QRectF target, QPointF sourceOrigin,
                    QSizeF sourceSize, std::size_t infoField);
    void PatternBlt(const QRectF& target, std::uint32_t rop);

    std::optional<QPolygonF> Points(const TEmfRecord& record, std::size_t countAt,
                                    bool small) const;
    std::optional<std::vector<QPolygonF>> PolyPoints(const TEmfRecord& record, bool small) const;
    void Polygon(const TEmfRecord& record, bool small, bool closed);
    void PolyPolygon(const TEmfRecord& record, bool small, bool closed);
    void PolyBezier(const TEmfRecord& record, bool small, bool fromCurrent);
    void PolylineTo(const TEmfRecord& record, bool small);
    void ArcRecord(const TEmfRecord& record, TRecordType type);
    QRectF Box(const TEmfRecord& record) const;

    void CreatePen(const TEmfRecord& record, bool extended);
    void CreateBrush(const TEmfRecord& record);
    void CreatePatternBrush(const TEmfRecord& record);
    void CreateFont(const TEmfRecord& record);
    void SelectObject(std::uint32_t handle);
    TObject* Slot(std::uint32_t handle);

    void FinishPath(bool fill, bool stroke);
    void ClipToPath(std::uint32_t mode);

    QPainter& painter_;
    const TEmfHeader& header_;
    QTransform callerTransform_;
    QTransform base_;
    std::optional<QPainterPath> callerClip_;
    QTransform full_;
    QSizeF pixel_{1, 1};
    bool device_ = false; // whether shapes are mapped here, see Ready
    double penScale_ = 1; // pen widths in the painter's pixels per logical unit
    bool sane_ = true;
    bool transformDirty_ = true;
    TDcState dc_;
    std::vector<TDcState> saved_;
    std::vector<TObject> objects_;
    std::optional<QPainterPath> path_; // while a path bracket is open
    QPainterPath finishedPath_;
};

TEmfPlayer::TEmfPlayer(QPainter& painter, const TEmfHeader& header, const QRectF& target)
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

QTransform TEmfPlayer::PageTransform() const {
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

void TEmfPlayer::UpdateTransform() {
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
bool TEmfPlayer::Ready() {
    if (!sane_) {
        return false;
    }
    if (transformDirty_) {
        painter_.setWorldTransform(device_ ? QTransform() : full_);
        transformDirty_ = false;
    }
    return true;
}

QPen TEmfPlayer::PainterPen() const {
    QPen pen = dc_.pen;
    if (device_ && !pen.isCosmetic()) {
        pen.setWidthF(Snap(pen.widthF() * penScale_));
    }
    return pen;
}

QRectF TEmfPlayer::ToPainter(const QRectF& rect) const {
    if (!device_) {
        return rect;
    }
    const QRectF mapped = full_.mapRect(rect);
    return QRectF(Snap(mapped.topLeft()), Snap(mapped.bottomRight()));
}

QPointF TEmfPlayer::ToPainter(const QPointF& point) const {
    return device_ ? Snap(full_.map(point)) : point;
}

QPainterPath TEmfPlayer::ToPainter(const QPainterPath& path) const {
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
void TEmfPlayer::ApplyClip() {
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

void TEmfPlayer::CombineClip(const QRegion& region, std::uint32_t mode) {
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

void TEmfPlayer::Draw(const QPainterPath& path, bool fill, bool stroke) {
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
void TEmfPlayer::DrawRect(const QRectF& rect, bool fill) {
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
QRectF TEmfPlayer::Box(const TEmfRecord& record) const {
    const double left = std::min(record.I32(8), record.I32(16));
    const double right = std::max(record.I32(8), record.I32(16));
    const double top = std::min(record.I32(12), record.I32(20));
    const double bottom = std::max(record.I32(12), record.I32(20));
    return QRectF(left, top, std::max(0.0, right - left - pixel_.width()),
                  std::max(0.0, bottom - top - pixel_.height()));
}

std::optional<QPolygonF> TEmfPlayer::Points(const TEmfRecord& record, std::size_t countAt,
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

std::optional<std::vector<QPolygonF>> TEmfPlayer::PolyPoints(const TEmfRecord& record,
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

void TEmfPlayer::Polygon(const TEmfRecord& record, bool small, bool closed) {
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

void TEmfPlayer::PolyPolygon(const TEmfRecord& record, bool small, bool closed) {
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

void TEmfPlayer::PolyBezier(const TEmfRecord& record, bool small, bool fromCurrent) {
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

void TEmfPlayer::PolylineTo(const TEmfRecord& record, bool small) {
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
void TEmfPlayer::ArcRecord(const TEmfRecord& record, TRecordType type) {
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

TObject* TEmfPlayer::Slot(std::uint32_t handle) {
    return handle > 0 && handle < objects_.size() ? &objects_[handle] : nullptr;
}

void TEmfPlayer::CreatePen(const TEmfRecord& record, bool extended) {
    TObject* slot = Slot(record.U32(8));
    if (!slot || !record.Has(extended ? 52 : 28)) {
        return;
    }
    const std::size_t at = extended ? 28 : 12;
    const std::uint32_t style = record.U32(at);
    const double width = std::min<double>(record.U32(at + 4), kMaxPenWidth);
    const QColor color = FromColorRef(record.U32(extended ? 40 : 24));
    const bool geometric = extended && (style & emf::kPsGeometric) != 0;
    if ((style & emf::kPsStyleMask) == emf::kPsNull ||
        (extended && record.U32(36) == emf::kBsNull)) {
        *slot = QPen(Qt::NoPen);
        return;
    }
    // Cosmetic pens are one device pixel wide; others scale with the drawing.
    QPen pen(color);
    pen.setWidthF(geometric || (!extended && width > 1) ? width : 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (geometric || !extended) {
        const std::uint32_t cap = style & emf::kPsEndCapMask;
        const std::uint32_t join = style & emf::kPsJoinMask;
        pen.setCapStyle(cap == emf::kPsEndCapSquare ? Qt::SquareCap
                        : cap == emf::kPsEndCapFlat ? Qt::FlatCap
                                                    : Qt::RoundCap);
        pen.setJoinStyle(join == emf::kPsJoinBevel   ? Qt::BevelJoin
                         : join == emf::kPsJoinMiter ? Qt::MiterJoin
                                                     : Qt::RoundJoin);
        if (!extended && pen.widthF() == 0) {
            pen.setCapStyle(Qt::FlatCap);
        }
    }
    switch (style & emf::kPsStyleMask) {
    case emf::kPsDash:
        pen.setStyle(Qt::DashLine);
        break;
    case emf::kPsDot:
        pen.setStyle(Qt::DotLine);
        break;
    case emf::kPsDashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case emf::kPsDashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    case emf::kPsUserStyle: {
        const std::uint32_t count = extended ? record.U32(48) : 0;
        if (count >= 2 && record.HasArray(52, count, 4)) {
            const double unit = std::max(1.0, pen.widthF());
            // An odd count repeats once more, so dashes and gaps alternate.
            const std::uint32_t entries =
                std::min<std::uint32_t>(count % 2 ? 2 * count : count, 16);
            QList<qreal> pattern;
            for (std::uint32_t i = 0; i < entries; ++i) {
                const double entry = record.U32(52 + 4 * (i % count));
                pattern.append(std::clamp(entry / unit, 0.01, 1e4));
            }
            pen.setDashPattern(pattern);
            // Qt's own styles are drawn as such: its fast line drawing then
            // gives the same pixels as the painter that recorded them.
            for (const Qt::PenStyle builtin :
                 {Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine}) {
                QPen probe = pen;
                probe.setStyle(builtin);
                if (probe.dashPattern() == pattern) {
                    pen = probe;
                    break;
                }
            }
        }
        break;
    }
    default:
        break;
    }
    *slot = pen;
}

void TEmfPlayer::CreateBrush(const TEmfRecord& record) {
    TObject* slot = Slot(record.U32(8));
    if (!slot || !record.Has(24)) {
        return;
    }
    const std::uint32_t style = record.U32(12);
    const QColor color = FromColorRef(record.U32(16));
    if (style == emf::kBsNull) {
        *slot = QBrush();
    } else if (style == emf::kBsHatched) {
        *slot = HatchBrush(record.U32(20), color);
    } else {
        *slot = QBrush(color);
    }
}

void TEmfPlayer::CreatePatternBrush(const TEmfRecord& record) {
    TObject* slot = Slot(record.U32(8));
    if (!slot || !record.Has(32)) {
        return;
    }
    const QImage image = DecodeDib(record.Bytes(record.U32(16), record.U32(20)),
                                   record.Bytes(record.U32(24), record.U32(28)));
    *slot = image.isNull() ? QBrush(Qt::gray) : QBrush(image);
}

void TEmfPlayer::CreateFont(const TEmfRecord& record) {
    TObject* slot = Slot(record.U32(8));
    constexpr std::size_t kLogFont = 12;
    if (!slot || !record.Has(kLogFont + 92)) {
        return;
    }
    TFont font;
    QString family;
    for (std::size_t i = 0; i < 32; ++i) {
        const char16_t c = record.U16(kLogFont + 28 + 2 * i);
        if (c == 0) {
            break;
        }
        family.append(QChar(c));
    }
    if (!family.isEmpty()) {
        font.font.setFamily(family);
    }
    const std::int32_t weight = record.I32(kLogFont + 16);
    font.font.setWeight(weight <= 0 ? QFont::Normal
                                    : static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.font.setItalic(record.U8(kLogFont + 20) != 0);
    font.font.setUnderline(record.U8(kLogFont + 21) != 0);
    font.font.setStrikeOut(record.U8(kLogFont + 22) != 0);
    font.charset = record.U8(kLogFont + 23);
    font.escapement = record.I32(kLogFont + 8) % 3600;
    const std::int64_t height = record.I32(kLogFont);
    if (height < 0) {
        font.height = static_cast<double>(-height);
    } else if (height > 0) {
        // A positive height is the cell height: ascent and descent together.
        QFont probe = font.font;
        probe.setPixelSize(100);
        font.height = static_cast<double>(height) * 100 / QFontMetricsF(probe).height();
    }
    *slot = font;
}

void TEmfPlayer::SelectObject(std::uint32_t handle) {
    if (handle & emf::kStockObject) {
        const std::uint32_t stock = handle & ~emf::kStockObject;
        static constexpr int kGrays[] = {255, 192, 128, 64, 0};
        if (stock <= emf::kBlackBrush) {
            dc_.brush = QBrush(QColor(kGrays[stock], kGrays[stock], kGrays[stock]));
        } else if (stock == emf::kNullBrush) {
            dc_.brush = QBrush();
        } else if (stock == emf::kWhitePen || stock == emf::kBlackPen) {
            dc_.pen = QPen(QBrush(stock == emf::kWhitePen ? Qt::white : Qt::black), 0,
                           Qt::SolidLine, Qt::FlatCap);
        } else if (stock == emf::kNullPen) {
            dc_.pen = QPen(Qt::NoPen);
        } else if (stock >= 10 && stock <= 17 && stock != 15) {
            dc_.font = TFont();
        }
        return;
    }
    const TObject* object = Slot(handle);
    if (!object) {
        return;
    }
    if (const auto* pen = std::get_if<QPen>(object)) {
        dc_.pen = *pen;
    } else if (const auto* brush = std::get_if<QBrush>(object)) {
        dc_.brush = *brush;
    } else if (const auto* font = std::get_if<TFont>(object)) {
        dc_.font = *font;
    }
}

void TEmfPlayer::TextOut(const TEmfRecord& record, bool wide) {
    if (!record.Has(76) || path_) {
        return;
    }
    const std::uint32_t count = record.U32(44);
    const std::string_view bytes =
        record.Bytes(record.U32(48), std::uint64_t{count} * (wide ? 2 : 1));
    if (count == 0 || bytes.empty()) {
        return;
    }
    QString text;
    if (wide) {
        text.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            text.append(
                QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                            static_cast<unsigned char>(bytes[2 * i + 1]) << 8)));
        }
    } else {
        text = dc_.font.charset == kRussianCharset
                   ? ToQString(bytes)
                   : QString::fromLatin1(bytes.data(), bytes.size());
    }
    const std::uint32_t options = record.U32(52);
    const QRectF box(QPointF(record.I32(56), record.I32(60)),
                     QPointF(record.I32(64), record.I32(68)));
    const bool useCurrent = (dc_.textAlign & emf::kTaUpdateCp) != 0;
    const QPointF reference = useCurrent ? dc_.position : QPointF(record.I32(36), record.I32(40));
    if (!Ready()) {
        return;
    }
    painter_.save();
    if (options & emf::kEtoOpaque) {
        painter_.fillRect(ToPainter(box.normalized()), dc_.bkColor);
    }
    if (options & emf::kEtoClipped) {
        painter_.setClipRect(ToPainter(box.normalized()), Qt::IntersectClip);
    }
    // Upright text under a transform that only scales and moves is drawn in
    // the painter's device pixels with the font scaled, so it stays crisp and
    // fast at any zoom; anything else is drawn through the transform.
    QFont font = dc_.font.font;
    QPointF at = reference;
    double scale = 1;
    double toLogical = 1;
    if (device_ && dc_.font.escapement == 0) {
        const double sx = std::abs(full_.m11());
        const double sy = std::abs(full_.m22());
        scale = sy;
        toLogical = sx > 0 ? 1 / sx : 0;
        at = ToPainter(reference);
        if (sy > 0 && std::abs(sx / sy - 1) > 0.01) {
            font.setStretch(std::clamp(static_cast<int>(std::lround(100 * sx / sy)), 1, 4000));
        }
    } else {
        painter_.setWorldTransform(full_);
        painter_.translate(reference);
        painter_.rotate(-dc_.font.escapement / 10.0);
        at = QPointF();
    }
    const double pixels = dc_.font.height * scale;
    if (pixels >= 0.5 && pixels <= emf::kMaxFontPixels) {
        // Whole pixel sizes as such; others through the device's resolution.
        const int dpi = painter_.device()->logicalDpiY();
        if (std::abs(pixels - std::round(pixels)) < 0.01 || dpi <= 0) {
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
        } else {
            font.setPointSizeF(pixels * 72 / dpi);
        }
        const QFontMetricsF metrics(font);
        const std::uint32_t horizontal = dc_.textAlign & emf::kTaHorizontalMask;
        const std::uint32_t vertical = dc_.textAlign & emf::kTaVerticalMask;
        const double width = horizontal != 0 || useCurrent || dc_.bkMode == emf::kOpaque
                                 ? metrics.horizontalAdvance(text)
                                 : 0;
        if (horizontal == emf::kTaCenter) {
            at.rx() -= width / 2;
        } else if (horizontal == emf::kTaRight) {
            at.rx() -= width;
        }
        if (vertical == 0) {
            at.ry() += metrics.ascent();
        } else if (vertical == emf::kTaBottom) {
            at.ry() -= metrics.descent();
        }
        if (dc_.bkMode == emf::kOpaque && !(options & emf::kEtoOpaque)) {
            painter_.fillRect(QRectF(at.x(), at.y() - metrics.ascent(), width, metrics.height()),
                              dc_.bkColor);
        }
        painter_.setFont(font);
        painter_.setPen(dc_.textColor);
        painter_.drawText(at, text);
        if (useCurrent && horizontal == 0) {
            dc_.position.rx() += width * toLogical;
        }
    }
    painter_.restore();
    transformDirty_ = true;
}

void TEmfPlayer::DrawBitmap(const TEmfRecord& record, QRectF target, QPointF sourceOrigin,
                            QSizeF sourceSize, std::size_t infoField) {
    const TEmfRecord info(record.Bytes(record.U32(infoField), record.U32(infoField + 4)));
    const QImage image =
        DecodeDib(record.Bytes(record.U32(infoField), record.U32(infoField + 4)),
                  record.Bytes(record.U32(infoField + 8), record.U32(infoField + 12)));
    if (image.isNull() || path_ || !Ready()) {
        return;
    }
    // Rows of a bottom-up bitmap count from its bottom.
    if (info.I32(8) > 0) {
        sourceOrigin.setY(image.height() - sourceOrigin.y() - sourceSize.height());
    }
    painter_.drawImage(ToPainter(target), image, QRectF(sourceOrigin, sourceSize));
}

void TEmfPlayer::PatternBlt(const QRectF& target, std::uint32_t rop) {
    if (path_ || !Ready()) {
        return;
    }
    if (rop == emf::kRopPatCopy) {
        painter_.fillRect(ToPainter(target), dc_.brush);
    } else if (rop == emf::kRopWhiteness || rop == emf::kRopBlackness) {
        painter_.fillRect(ToPainter(target), rop == emf::kRopWhiteness ? Qt::white : Qt::black);
    }
}

void TEmfPlayer::FinishPath(bool fill, bool stroke) {
    QPainterPath path = std::move(finishedPath_);
    finishedPath_ = QPainterPath();
    path_.reset();
    path.setFillRule(dc_.fillRule);
    Draw(path, fill, stroke);
}

void TEmfPlayer::ClipToPath(std::uint32_t mode) {
    const QTransform toDevice = dc_.world * PageTransform();
    if (!Sane(toDevice)) {
        return;
    }
    finishedPath_.setFillRule(dc_.fillRule);
    const QRegion region(finishedPath_.toFillPolygon(toDevice).toPolygon(), dc_.fillRule);
    finishedPath_ = QPainterPath();
    CombineClip(region, mode);
}

void TEmfPlayer::Play(const TEmfRecord& r) {
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
        dc_.textColor = FromColorRef(r.U32(8));
        break;
    case emf::kSetBkColor:
        dc_.bkColor = FromColorRef(r.U32(8));
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
                              FromColorRef(r.U32(16)));
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
        ArcRecord(r, static_cast<TRecordType>(r.Type()));
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
        if (TObject* slot = Slot(r.U32(8))) {
            *slot = std::monostate();
        }
        break;
    case emf::kCreatePen:
        CreatePen(r, false);
        break;
    case emf::kExtCreatePen:
        CreatePen(r, true);
        break;
    case emf::kCreateBrushIndirect:
        CreateBrush(r);
        break;
    case 93: // a monochrome pattern brush
    case 94: // a bitmap pattern brush
        CreatePatternBrush(r);
        break;
    case emf::kExtCreateFontIndirectW:
        CreateFont(r);
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
    case emf::kExtSelectClipRgn: {
        const std::uint32_t mode = r.U32(12);
        const std::uint32_t dataSize = r.U32(8);
        if (mode == emf::kRgnCopy && dataSize == 0) {
            dc_.clip.reset();
            ApplyClip();
            break;
        }
        const std::uint32_t count = r.U32(24);
        const std::size_t rectsAt = 16 + std::size_t{r.U32(16)};
        if (dataSize < 32 || r.U32(16) < 32 || !r.HasArray(rectsAt, count, 16)) {
            break;
        }
        QRegion region;
        std::vector<QRect> rects;
        rects.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = rectsAt + 16 * std::size_t{i};
            const int left = ClampRegionCoord(r.I32(at));
            const int top = ClampRegionCoord(r.I32(at + 4));
            const int right = ClampRegionCoord(r.I32(at + 8));
            const int bottom = ClampRegionCoord(r.I32(at + 12));
            if (right > left && bottom > top) {
                rects.emplace_back(left, top, right - left, bottom - top);
            }
        }
        region.setRects(rects.data(), static_cast<int>(rects.size()));
        CombineClip(region, mode);
        break;
    }
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
    default:
        break;
    }
}

} // namespace

void PlayEmf(QPainter& painter, std::string_view bytes, const TEmfHeader& header,
             const QRectF& target) {
    if (header.frame.width() <= 0 || header.frame.height() <= 0 || !target.isValid()) {
        return;
    }
    painter.save();
    {
        TEmfPlayer player(painter, header, target);
        ForEachEmfRecord(bytes, header, [&](const TEmfRecord& record) { player.Play(record); });
    }
    painter.restore();
}
