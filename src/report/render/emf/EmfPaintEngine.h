#pragma once
// The paint engine that writes EMF records, shared by the recorder's files
// (state and transforms, objects, drawing).
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfRecorder.h"
#include "report/render/emf/EmfWriter.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPolygon>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The file's logical unit is 1/48 pixel: positions between pixels (centred
// text, scaled pictures) survive, and every whole or half point size at 96
// dpi is a whole number of units.
inline constexpr int kEmfUnitsPerPixel = 48;

// Logical units of a length in pixels, held to what 32 bits keep.
std::int32_t EmfCoord(double pixels);
// Device pixels covering a rectangle of logical units, for the bounds fields.
QRect EmfDeviceBounds(const QRect& logical);
bool EmfFits16(const QPolygon& polygon);
std::uint32_t EmfColorRef(const QColor& color);

// One kind of object (pen, brush or font): what is selected now, as the
// bytes of its creation record, and the two handles it alternates between.
struct TEmfObjectSlot {
    std::uint32_t firstHandle;
    std::string selected;
    std::uint32_t activeHandle = 0; // 0 while a stock object is selected
};

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

    void Select(TEmfObjectSlot& slot, emf::TRecordType type, const std::string& body);
    void SelectStock(TEmfObjectSlot& slot, emf::TStock stock);
    void SelectPen(const QPen& pen);
    void SelectBrush(const QBrush& brush);
    void SelectFont(const QFont& font, double pixelSize);
    void SetFillMode(Qt::FillRule rule);

    void WriteBounds(const QRect& bounds);
    void WriteBox(emf::TRecordType type, const QRectF& rect);
    void WritePolygons(emf::TRecordType single16, emf::TRecordType single32,
                       emf::TRecordType many16, emf::TRecordType many32,
                       const std::vector<QPolygon>& polygons);
    // 16-bit points when small, else 32-bit.
    void WritePoints(const QPolygon& polygon, bool small);
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

    TEmfObjectSlot penSlot_{1, {}};
    TEmfObjectSlot brushSlot_{3, {}};
    TEmfObjectSlot fontSlot_{5, {}};
    QFont metricsFont_;
    std::optional<QFontMetricsF> metrics_;
    QColor textColor_;
    Qt::FillRule fillRule_ = Qt::OddEvenFill;
    std::optional<QPoint> position_;
};
