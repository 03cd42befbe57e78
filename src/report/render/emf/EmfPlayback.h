#pragma once
// The player's state while it plays one file: the file's device context,
// its objects, and how logical units reach the painter. Shared by the
// player's files, one per family of records: EmfPlayer.cpp (dispatch),
// EmfPlayerState.cpp, EmfPlayerClip.cpp, EmfPlayerObjects.cpp,
// EmfPlayerShapes.cpp, EmfPlayerPolygons.cpp, EmfPlayerPaths.cpp,
// EmfPlayerText.cpp and EmfPlayerBitmaps.cpp.
#include "report/render/emf/EmfBitmapViews.h"
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfObjectViews.h"
#include "report/render/emf/EmfObjects.h"
#include "report/render/emf/EmfReader.h"
#include "report/render/emf/EmfShapeViews.h"
#include "report/render/emf/EmfStateViews.h"
#include "report/render/emf/EmfTextViews.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Beyond this a region's coordinates only turn it into work without end.
inline constexpr int kEmfMaxRegionCoord = 10'000'000;

int EmfClampRegionCoord(std::int32_t value);
// The region of region data, in device units; nothing when it is not all there.
std::optional<QRegion> EmfRegion(const TEmfRegionData& data);
// Whether a transform keeps coordinates meaningful: finite, and neither
// scaling nor moving them beyond what any page needs.
bool EmfSaneTransform(const QTransform& transform);

inline QPointF EmfPointF(const TEmfPointL& point) {
    return QPointF(point.x, point.y);
}

// The drawing state of the file's device context.
struct TEmfDcState {
    QPen pen{QBrush(Qt::black), 0, Qt::SolidLine, Qt::FlatCap};
    QBrush brush{Qt::white};
    TEmfFont font;
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

class TEmfPlayback {
public:
    TEmfPlayback(QPainter& painter, const TEmfHeader& header, const QRectF& target);
    void Play(const TEmfRecord& record);

private:
    // State. Transforms: logical -> page space (world), page -> device (map
    // mode), device -> the painter (stretch into the target, then the
    // painter's own).
    QTransform PageTransform() const;
    void UpdateTransform();
    bool Ready();
    QRectF ToPainter(const QRectF& rect) const;
    QPointF ToPainter(const QPointF& point) const;
    QPainterPath ToPainter(const QPainterPath& path) const;
    QPen PainterPen() const;
    void SetExtent(QSizeF& extent, const TEmrSetExtent& record);
    void ScaleExtent(QSizeF& extent, const TEmrScaleExtent& record);
    void SetOrigin(QPointF& origin, const TEmrSetOrigin& record);
    void SetMapMode(const TEmrSetMode& record);
    void SetBkMode(const TEmrSetMode& record);
    void SetPolyFillMode(const TEmrSetMode& record);
    void SetTextAlign(const TEmrSetMode& record);
    void SetColor(QColor& color, const TEmrSetColor& record);
    void SaveDC();
    void RestoreDC(const TEmrRestoreDC& record);
    void SetWorldTransform(const TEmrSetWorldTransform& record);
    void ModifyWorldTransform(const TEmrModifyWorldTransform& record);
    void ChangeWorld(const TEmfXForm& given, std::uint32_t mode);

    // Clipping.
    void ApplyClip();
    void CombineClip(const QRegion& region, std::uint32_t mode);
    void ExtSelectClipRgn(const TEmrExtSelectClipRgn& record);
    void ClipRect(const TEmrClipRect& record, std::uint32_t mode);
    void OffsetClipRgn(const TEmrOffsetClipRgn& record);
    void SelectClipPath(const TEmrSelectClipPath& record);

    // Objects.
    TEmfObject* Slot(std::uint32_t handle);
    // The object of a handle: one of the file's or a stock object.
    TEmfObject Object(std::uint32_t handle);
    void Keep(std::uint32_t handle, std::optional<TEmfObject> object);
    void Create(const TEmrCreatePen& record);
    void Create(const TEmrExtCreatePen& record);
    void Create(const TEmrCreateBrushIndirect& record);
    void Create(const TEmrCreatePatternBrush& record);
    void Create(const TEmrExtCreateFontIndirectW& record);
    void SelectObject(const TEmrObject& record);
    void DeleteObject(const TEmrObject& record);

    // Shapes.
    void Draw(const QPainterPath& path, bool fill, bool stroke);
    void DrawRect(const QRectF& rect, bool fill);
    QRectF Box(const TEmfRectL& box) const;
    void MoveTo(const TEmrPoint& record);
    void LineTo(const TEmrPoint& record);
    void SetPixel(const TEmrSetPixelV& record);
    void Rectangle(const TEmrBox& record);
    void RoundRect(const TEmrRoundRect& record);
    void Ellipse(const TEmrBox& record);
    void Arc(const TEmrArc& record, emf::TRecordType type);
    // Fills a region of logical units with a brush.
    void FillRegion(const std::optional<QRegion>& region, const TEmfObject& brush);
    void FillRgn(const TEmrFillRgn& record);
    void PaintRgn(const TEmrPaintRgn& record);

    // Polygons and curves.
    std::optional<QPolygonF> Points(const TEmrPoly& record) const;
    std::optional<std::vector<QPolygonF>> PolyPoints(const TEmrPolyPoly& record) const;
    void Polygon(const TEmrPoly& record, bool closed);
    void PolyPolygon(const TEmrPolyPoly& record, bool closed);
    void PolyBezier(const TEmrPoly& record, bool fromCurrent);
    void PolylineTo(const TEmrPoly& record);

    // Paths.
    void BeginPath();
    void EndPath();
    void CloseFigure();
    void AbortPath();
    void FinishPath(bool fill, bool stroke);

    // Text.
    void TextOut(const TEmrExtTextOut& record);

    // Bitmaps. Alpha blending keeps the pixels' alpha and lays the whole at
    // opacity.
    void DrawBitmap(std::string_view info, std::string_view bits, QRectF target,
                    QPointF sourceOrigin, QSizeF sourceSize, bool alpha = false,
                    double opacity = 1);
    void PatternBlt(const QRectF& target, std::uint32_t rop);
    void StretchDIBits(const TEmrStretchDIBits& record);
    void SetDIBitsToDevice(const TEmrSetDIBitsToDevice& record);
    void Blt(const TEmrBlt& record, std::uint32_t rop, const QSizeF& sourceSize);
    void BitBlt(const TEmrBitBlt& record);
    void StretchBlt(const TEmrStretchBlt& record);
    void AlphaBlend(const TEmrAlphaBlend& record);

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
    TEmfDcState dc_;
    std::vector<TEmfDcState> saved_;
    std::vector<TEmfObject> objects_;
    std::optional<QPainterPath> path_; // while a path bracket is open
    QPainterPath finishedPath_;
};
