#include "report/render/EmfRecorder.h"
#include "report/render/EmfBitmap.h"
#include "report/render/EmfFormat.h"
#include "report/render/EmfWriter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

// Handles: pens alternate between 1 and 2, brushes 3 and 4, fonts 5 and 6,
// so that the object in use is never the one deleted.
constexpr std::uint16_t kHandleCount = 7;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kMaxDashEntries = 16;
constexpr std::size_t kFaceNameLength = 32;

std::uint32_t ColorRef(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

// The file's logical unit is 1/48 pixel: positions between pixels (centred
// text, scaled pictures) survive, and every whole or half point size at 96
// dpi is a whole number of units.
constexpr int kUnitsPerPixel = 48;

// Logical units of a length in pixels. Coordinates are 32-bit in the file;
// anything beyond this limit is off any page.
std::int32_t Coord(double pixels) {
    constexpr double kLimit = 1e9;
    const double value = pixels * kUnitsPerPixel;
    if (!(value > -kLimit)) {
        return static_cast<std::int32_t>(-kLimit);
    }
    return static_cast<std::int32_t>(std::lround(std::min(value, kLimit)));
}

// Device pixels covering a rectangle of logical units, for the bounds fields.
QRect DeviceBounds(const QRect& logical) {
    const auto down = [](int v) {
        return v >= 0 ? v / kUnitsPerPixel : -((-v + kUnitsPerPixel - 1) / kUnitsPerPixel);
    };
    const auto up = [&](int v) { return -down(-v); };
    return QRect(QPoint(down(logical.left()), down(logical.top())),
                 QPoint(up(logical.right()), up(logical.bottom())));
}

bool Fits16(const QPolygon& polygon) {
    return std::all_of(polygon.begin(), polygon.end(), [](const QPoint& p) {
        return p.x() >= SHRT_MIN && p.x() <= SHRT_MAX && p.y() >= SHRT_MIN && p.y() <= SHRT_MAX;
    });
}

// One kind of object (pen, brush or font): what is selected now, as the
// bytes of its creation record, and the two handles it alternates between.
struct TObjectSlot {
    std::uint32_t firstHandle;
    std::string selected;
    std::uint32_t activeHandle = 0; // 0 while a stock object is selected
};

} // namespace

class TEmfPaintEngine : public QPaintEngine {
public:
    TEmfPaintEngine(int width, int height, TEmfPaintDevice::TFinished finished)
        : QPaintEngine(AllFeatures), width_(width), height_(height),
          finished_(std::move(finished)) {}

    bool begin(QPaintDevice*) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawEllipse(const QRectF& rect) override;
    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override;
    void drawTextItem(const QPointF& position, const QTextItem& textItem) override;
    Type type() const override { return QPaintEngine::User; }

private:
    void SetTransform(const QTransform& transform);
    void SetClip(const std::optional<QRegion>& clip);
    QPoint Map(const QPointF& point) const;
    QRect MapRect(const QRectF& rect) const;
    QPolygon MapPolygon(const QPolygonF& polygon) const;

    void Select(TObjectSlot& slot, emf::TRecordType type, const std::string& body);
    void SelectStock(TObjectSlot& slot, emf::TStock stock);
    void SelectPen(const QPen& pen);
    void SelectBrush(const QBrush& brush);
    void SelectFont(const QFont& font, double pixelSize);
    void SetFillMode(Qt::FillRule rule);

    void WriteBounds(const QRect& bounds);
    void WriteBox(emf::TRecordType type, const QRectF& rect);
    void WritePolygons(emf::TRecordType single16, emf::TRecordType single32,
                       emf::TRecordType many16, emf::TRecordType many32,
                       const std::vector<QPolygon>& polygons);
    void WritePolygonRecord(emf::TRecordType single16, emf::TRecordType single32,
                            const QPolygon& polygon);
    void DrawPolygons(const QList<QPolygonF>& polygons, Qt::FillRule rule, bool closed);

    int width_;
    int height_;
    TEmfPaintDevice::TFinished finished_;
    TEmfWriter out_;

    QPen pen_;
    QBrush brush_;
    QTransform pointTransform_; // applied to points here
    QTransform worldTransform_; // written to the file
    double widthScale_ = 1;
    double fontScale_ = 1;
    std::optional<QRegion> clip_;
    bool clipEnabled_ = false;

    TObjectSlot penSlot_{1, {}};
    TObjectSlot brushSlot_{3, {}};
    TObjectSlot fontSlot_{5, {}};
    QFont metricsFont_;
    std::optional<QFontMetricsF> metrics_;
    QColor textColor_;
    Qt::FillRule fillRule_ = Qt::OddEvenFill;
    std::optional<QPoint> position_;
};

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
    out_.I32(std::max(width_, 1) * kUnitsPerPixel);
    out_.I32(std::max(height_, 1) * kUnitsPerPixel);
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
        const QTransform toDevice = state.transform();
        const QRegion region = (flags & DirtyClipPath)
                                   ? QRegion(state.clipPath().toFillPolygon(toDevice).toPolygon(),
                                             state.clipPath().fillRule())
                                   : toDevice.map(state.clipRegion());
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
        world = QTransform::fromScale(1.0 / kUnitsPerPixel, 1.0 / kUnitsPerPixel) * transform *
                QTransform::fromScale(kUnitsPerPixel, kUnitsPerPixel);
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
    return {Coord(mapped.x()), Coord(mapped.y())};
}

QRect TEmfPaintEngine::MapRect(const QRectF& rect) const {
    const QPointF a = pointTransform_.map(rect.topLeft());
    const QPointF b = pointTransform_.map(rect.bottomRight());
    return QRect(QPoint(Coord(std::min(a.x(), b.x())), Coord(std::min(a.y(), b.y()))),
                 QPoint(Coord(std::max(a.x(), b.x())), Coord(std::max(a.y(), b.y()))));
}

QPolygon TEmfPaintEngine::MapPolygon(const QPolygonF& polygon) const {
    QPolygon mapped;
    mapped.reserve(polygon.size());
    for (const QPointF& point : polygon) {
        mapped.append(Map(point));
    }
    return mapped;
}

void TEmfPaintEngine::Select(TObjectSlot& slot, emf::TRecordType type, const std::string& body) {
    if (slot.selected == body) {
        return;
    }
    const std::uint32_t handle =
        slot.activeHandle == slot.firstHandle ? slot.firstHandle + 1 : slot.firstHandle;
    out_.Begin(type);
    out_.U32(handle);
    out_.Raw(body);
    out_.End();
    out_.Begin(emf::kSelectObject);
    out_.U32(handle);
    out_.End();
    if (slot.activeHandle != 0) {
        out_.Begin(emf::kDeleteObject);
        out_.U32(slot.activeHandle);
        out_.End();
    }
    slot.activeHandle = handle;
    slot.selected = body;
}

void TEmfPaintEngine::SelectStock(TObjectSlot& slot, emf::TStock stock) {
    // Creation records are never this short, so the key cannot clash.
    const std::string key(1, static_cast<char>(stock));
    if (slot.selected == key) {
        return;
    }
    out_.Begin(emf::kSelectObject);
    out_.U32(emf::kStockObject | stock);
    out_.End();
    if (slot.activeHandle != 0) {
        out_.Begin(emf::kDeleteObject);
        out_.U32(slot.activeHandle);
        out_.End();
    }
    slot.activeHandle = 0;
    slot.selected = key;
}

void TEmfPaintEngine::SelectPen(const QPen& pen) {
    if (pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush) {
        SelectStock(penSlot_, emf::kNullPen);
        return;
    }
    const double deviceWidth =
        pen.isCosmetic() ? std::max(pen.widthF(), 1.0) : pen.widthF() * widthScale_;
    const auto width = static_cast<std::uint32_t>(std::max(1, Coord(deviceWidth)));
    std::uint32_t style = emf::kPsGeometric;
    switch (pen.capStyle()) {
    case Qt::FlatCap:
        style |= emf::kPsEndCapFlat;
        break;
    case Qt::RoundCap:
        style |= emf::kPsEndCapRound;
        break;
    default:
        style |= emf::kPsEndCapSquare;
        break;
    }
    switch (pen.joinStyle()) {
    case Qt::RoundJoin:
        style |= emf::kPsJoinRound;
        break;
    case Qt::BevelJoin:
        style |= emf::kPsJoinBevel;
        break;
    default:
        style |= emf::kPsJoinMiter;
        break;
    }
    // Dashes are written as the exact pattern, so that every reader draws
    // the dash lengths the painter asked for.
    std::vector<std::uint32_t> entries;
    if (pen.style() != Qt::SolidLine) {
        for (const double entry : pen.dashPattern()) {
            entries.push_back(
                static_cast<std::uint32_t>(std::max<long>(1, std::lround(entry * width))));
        }
        if (entries.size() > kMaxDashEntries) {
            entries.resize(kMaxDashEntries);
        }
        if (entries.size() % 2 != 0) {
            entries.pop_back();
        }
        style |= entries.empty() ? emf::kPsSolid : emf::kPsUserStyle;
    }
    TEmfWriter body;
    body.Zeros(16); // no brush bitmap
    body.U32(style);
    body.U32(width);
    body.U32(emf::kBsSolid);
    body.U32(ColorRef(pen.color()));
    body.U32(0);
    body.U32(static_cast<std::uint32_t>(entries.size()));
    for (const std::uint32_t entry : entries) {
        body.U32(entry);
    }
    Select(penSlot_, emf::kExtCreatePen, body.Data());
}

void TEmfPaintEngine::SelectBrush(const QBrush& brush) {
    QColor color = brush.color();
    if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().empty()) {
        color = gradient->stops().front().second;
    }
    if (brush.style() == Qt::NoBrush || color.alpha() == 0) {
        SelectStock(brushSlot_, emf::kNullBrush);
        return;
    }
    std::uint32_t style = emf::kBsHatched;
    std::uint32_t hatch = 0;
    switch (brush.style()) {
    case Qt::HorPattern:
        hatch = 0;
        break;
    case Qt::VerPattern:
        hatch = 1;
        break;
    case Qt::FDiagPattern:
        hatch = 2;
        break;
    case Qt::BDiagPattern:
        hatch = 3;
        break;
    case Qt::CrossPattern:
        hatch = 4;
        break;
    case Qt::DiagCrossPattern:
        hatch = 5;
        break;
    default:
        style = emf::kBsSolid;
        break;
    }
    TEmfWriter body;
    body.U32(style);
    body.U32(ColorRef(color));
    body.U32(hatch);
    Select(brushSlot_, emf::kCreateBrushIndirect, body.Data());
}

void TEmfPaintEngine::SelectFont(const QFont& font, double pixelSize) {
    TEmfWriter body;
    body.I32(-Coord(pixelSize)); // negative: the character height, not the cell height
    body.I32(0);
    body.I32(0);
    body.I32(0);
    body.I32(font.weight());
    body.U8(font.italic() ? 1 : 0);
    // Qt draws underlines and strike-outs as lines of their own, which are
    // recorded; a font flag as well would draw them twice.
    body.U8(0);
    body.U8(0);
    body.U8(1); // default character set
    body.Zeros(4);
    const QString family = font.family().left(kFaceNameLength - 1);
    for (const QChar c : family) {
        body.U16(c.unicode());
    }
    body.Zeros(2 * (kFaceNameLength - static_cast<std::size_t>(family.size())));
    // The rest of the font description that readers expect: full name,
    // style, version and matching fields, all empty.
    body.Zeros(320 - 92);
    Select(fontSlot_, emf::kExtCreateFontIndirectW, body.Data());
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
    out_.I32(box.right() + kUnitsPerPixel);
    out_.I32(box.bottom() + kUnitsPerPixel);
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

void TEmfPaintEngine::WritePolygonRecord(emf::TRecordType single16, emf::TRecordType single32,
                                         const QPolygon& polygon) {
    const bool small = Fits16(polygon);
    out_.Begin(small ? single16 : single32);
    WriteBounds(DeviceBounds(polygon.boundingRect()));
    out_.U32(static_cast<std::uint32_t>(polygon.size()));
    for (const QPoint& point : polygon) {
        if (small) {
            out_.I16(static_cast<std::int16_t>(point.x()));
            out_.I16(static_cast<std::int16_t>(point.y()));
        } else {
            out_.I32(point.x());
            out_.I32(point.y());
        }
    }
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
        small = small && Fits16(polygon);
    }
    out_.Begin(small ? many16 : many32);
    WriteBounds(DeviceBounds(bounds));
    out_.U32(static_cast<std::uint32_t>(polygons.size()));
    out_.U32(points);
    for (const QPolygon& polygon : polygons) {
        out_.U32(static_cast<std::uint32_t>(polygon.size()));
    }
    for (const QPolygon& polygon : polygons) {
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
    out_.End();
}

// Filled outlines go out as polygons; open figures are stroked separately so
// that no reader closes them.
void TEmfPaintEngine::DrawPolygons(const QList<QPolygonF>& polygons, Qt::FillRule rule,
                                   bool closed) {
    std::vector<QPolygon> mapped;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() >= 2) {
            mapped.push_back(MapPolygon(polygon));
        }
    }
    if (mapped.empty()) {
        return;
    }
    const bool fill = brush_.style() != Qt::NoBrush;
    const bool stroke = pen_.style() != Qt::NoPen;
    if (fill && (closed || !stroke)) {
        SelectPen(closed ? pen_ : QPen(Qt::NoPen));
        SelectBrush(brush_);
        SetFillMode(rule);
        WritePolygons(emf::kPolygon16, emf::kPolygon, emf::kPolyPolygon16, emf::kPolyPolygon,
                      mapped);
        if (closed) {
            return;
        }
    } else if (fill) {
        SelectPen(QPen(Qt::NoPen));
        SelectBrush(brush_);
        SetFillMode(rule);
        WritePolygons(emf::kPolygon16, emf::kPolygon, emf::kPolyPolygon16, emf::kPolyPolygon,
                      mapped);
    }
    if (stroke) {
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
    WriteBounds(DeviceBounds(box));
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
        out_.U32(ColorRef(textColor_));
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
        const long next = Coord(x);
        out_.I32(static_cast<std::int32_t>(next - written));
        written = next;
    }
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
