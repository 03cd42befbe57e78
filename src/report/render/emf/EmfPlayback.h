#pragma once
// The player's state while it plays one file: the file's device context,
// its objects, and how logical units reach the painter. Shared by the
// player's files (records, shapes, text).
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfObjects.h"
#include "report/render/emf/EmfReader.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

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
    // The bitmap whose four fields (header offset and size, bits offset
    // and size) start at infoField; alpha blending keeps the pixels' alpha
    // and lays the whole at opacity.
    void DrawBitmap(const TEmfRecord& record, QRectF target, QPointF sourceOrigin,
                    QSizeF sourceSize, std::size_t infoField, bool alpha = false,
                    double opacity = 1);
    void PatternBlt(const QRectF& target, std::uint32_t rop);

    std::optional<QPolygonF> Points(const TEmfRecord& record, std::size_t countAt,
                                    bool small) const;
    std::optional<std::vector<QPolygonF>> PolyPoints(const TEmfRecord& record, bool small) const;
    void Polygon(const TEmfRecord& record, bool small, bool closed);
    void PolyPolygon(const TEmfRecord& record, bool small, bool closed);
    void PolyBezier(const TEmfRecord& record, bool small, bool fromCurrent);
    void PolylineTo(const TEmfRecord& record, bool small);
    void ArcRecord(const TEmfRecord& record, emf::TRecordType type);
    QRectF Box(const TEmfRecord& record) const;

    void Create(const TEmfRecord& record, std::optional<TEmfObject> object);
    // The object of a handle: one of the file's or a stock object.
    TEmfObject Object(std::uint32_t handle);
    void SelectObject(std::uint32_t handle);
    // Fills a region of logical units with a brush.
    void FillRegion(const std::optional<QRegion>& region, const TEmfObject& brush);
    TEmfObject* Slot(std::uint32_t handle);

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
    TEmfDcState dc_;
    std::vector<TEmfDcState> saved_;
    std::vector<TEmfObject> objects_;
    std::optional<QPainterPath> path_; // while a path bracket is open
    QPainterPath finishedPath_;
};
