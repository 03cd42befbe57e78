#pragma once
// Views of the records that draw shapes: lines, pixels, boxes, arcs,
// polygons, regions.
#include "report/render/emf/EmfRecordView.h"

// MoveToEx, LineTo.
class TEmrPoint : public TEmrView {
public:
    explicit TEmrPoint(TEmfRecord record) : TEmrView(record, 16) {}
    TEmfPointL Point() const { return EmfPointAt(record_, 8); }
};

class TEmrSetPixelV : public TEmrView {
public:
    explicit TEmrSetPixelV(TEmfRecord record) : TEmrView(record, 20) {}
    TEmfPointL Pixel() const { return EmfPointAt(record_, 8); }
    std::uint32_t Color() const { return record_.U32(16); }
};

// Rectangle, Ellipse; boxes exclude their right and bottom edges.
class TEmrBox : public TEmrView {
public:
    explicit TEmrBox(TEmfRecord record) : TEmrView(record, 24) {}
    TEmfRectL Box() const { return EmfRectAt(record_, 8); }

protected:
    TEmrBox(TEmfRecord record, std::size_t fixedSize) : TEmrView(record, fixedSize) {}
};

class TEmrRoundRect : public TEmrBox {
public:
    explicit TEmrRoundRect(TEmfRecord record) : TEmrBox(record, 32) {}
    TEmfSizeL Corner() const { return EmfSizeAt(record_, 24); } // of the corners' ellipse
};

// Arc, ArcTo, Chord, Pie.
class TEmrArc : public TEmrBox {
public:
    explicit TEmrArc(TEmfRecord record) : TEmrBox(record, 40) {}
    TEmfPointL Start() const { return EmfPointAt(record_, 24); }
    TEmfPointL End() const { return EmfPointAt(record_, 32); }
};

// Polygon, Polyline, PolyBezier, PolyBezierTo, PolylineTo; small for their
// 16-bit forms.
class TEmrPoly : public TEmrView {
public:
    TEmrPoly(TEmfRecord record, bool small) : TEmrView(record, 28), pointSize_(small ? 4 : 8) {}
    std::uint32_t Count() const { return record_.U32(24); }
    bool HasPoints() const { return record_.HasArray(28, Count(), pointSize_); }
    TEmfPointL Point(std::uint32_t index) const {
        return EmfPointOfSize(record_, 28 + index * pointSize_, pointSize_);
    }

private:
    std::size_t pointSize_;
};

// PolyPolygon, PolyPolyline; small for their 16-bit forms.
class TEmrPolyPoly : public TEmrView {
public:
    TEmrPolyPoly(TEmfRecord record, bool small) : TEmrView(record, 32), pointSize_(small ? 4 : 8) {}
    std::uint32_t Polygons() const { return record_.U32(24); }
    std::uint32_t TotalPoints() const { return record_.U32(28); }
    bool HasPolygonSizes() const { return record_.HasArray(32, Polygons(), 4); }
    std::uint32_t PolygonSize(std::uint32_t index) const {
        return record_.U32(32 + 4 * std::size_t{index});
    }
    bool HasPoints() const { return record_.HasArray(PointsAt(), TotalPoints(), pointSize_); }
    // The point of that index counted over all polygons.
    TEmfPointL Point(std::uint64_t index) const {
        return EmfPointOfSize(record_, PointsAt() + index * pointSize_, pointSize_);
    }

private:
    std::size_t PointsAt() const { return 32 + std::size_t{Polygons()} * 4; }

    std::size_t pointSize_;
};

class TEmrFillRgn : public TEmrView {
public:
    explicit TEmrFillRgn(TEmfRecord record) : TEmrView(record, 32) {}
    std::uint32_t Brush() const { return record_.U32(28); }
    TEmfRegionData Region() const { return TEmfRegionData(record_, 32); }
};

class TEmrPaintRgn : public TEmrView {
public:
    explicit TEmrPaintRgn(TEmfRecord record) : TEmrView(record, 28) {}
    TEmfRegionData Region() const { return TEmfRegionData(record_, 28); }
};
