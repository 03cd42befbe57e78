#pragma once
// Views of the records that set the device context's state: extents,
// origins, modes, colours, saved states, world transforms, clipping.
#include "report/render/emf/EmfRecordView.h"

// SetWindowExtEx, SetViewportExtEx.
class TEmrSetExtent : public TEmrView {
public:
    explicit TEmrSetExtent(TEmfRecord record) : TEmrView(record, 16) {}
    TEmfSizeL Extent() const { return EmfSizeAt(record_, 8); }
};

// SetWindowOrgEx, SetViewportOrgEx.
class TEmrSetOrigin : public TEmrView {
public:
    explicit TEmrSetOrigin(TEmfRecord record) : TEmrView(record, 16) {}
    TEmfPointL Origin() const { return EmfPointAt(record_, 8); }
};

// ScaleWindowExtEx, ScaleViewportExtEx: extents times num / denom.
class TEmrScaleExtent : public TEmrView {
public:
    explicit TEmrScaleExtent(TEmfRecord record) : TEmrView(record, 24) {}
    std::int32_t XNum() const { return record_.I32(8); }
    std::int32_t XDenom() const { return record_.I32(12); }
    std::int32_t YNum() const { return record_.I32(16); }
    std::int32_t YDenom() const { return record_.I32(20); }
};

// SetMapMode, SetBkMode, SetPolyFillMode, SetTextAlign.
class TEmrSetMode : public TEmrView {
public:
    explicit TEmrSetMode(TEmfRecord record) : TEmrView(record, 12) {}
    std::uint32_t Mode() const { return record_.U32(8); }
};

// SetTextColor, SetBkColor.
class TEmrSetColor : public TEmrView {
public:
    explicit TEmrSetColor(TEmfRecord record) : TEmrView(record, 12) {}
    std::uint32_t Color() const { return record_.U32(8); } // 0x00BBGGRR
};

class TEmrRestoreDC : public TEmrView {
public:
    explicit TEmrRestoreDC(TEmfRecord record) : TEmrView(record, 12) {}
    // Negative: counted back from the latest saved state; positive: from the first.
    std::int32_t SavedDC() const { return record_.I32(8); }
};

class TEmrSetWorldTransform : public TEmrView {
public:
    explicit TEmrSetWorldTransform(TEmfRecord record) : TEmrView(record, 32) {}
    TEmfXForm Transform() const {
        return {record_.F32(8),  record_.F32(12), record_.F32(16),
                record_.F32(20), record_.F32(24), record_.F32(28)};
    }

protected:
    TEmrSetWorldTransform(TEmfRecord record, std::size_t fixedSize) : TEmrView(record, fixedSize) {}
};

class TEmrModifyWorldTransform : public TEmrSetWorldTransform {
public:
    explicit TEmrModifyWorldTransform(TEmfRecord record) : TEmrSetWorldTransform(record, 36) {}
    std::uint32_t Mode() const { return record_.U32(32); }
};

// IntersectClipRect, ExcludeClipRect.
class TEmrClipRect : public TEmrView {
public:
    explicit TEmrClipRect(TEmfRecord record) : TEmrView(record, 24) {}
    TEmfRectL Rect() const { return EmfRectAt(record_, 8); }
};

class TEmrOffsetClipRgn : public TEmrView {
public:
    explicit TEmrOffsetClipRgn(TEmfRecord record) : TEmrView(record, 16) {}
    TEmfPointL Offset() const { return EmfPointAt(record_, 8); }
};

class TEmrExtSelectClipRgn : public TEmrView {
public:
    explicit TEmrExtSelectClipRgn(TEmfRecord record) : TEmrView(record, 16) {}
    std::uint32_t RegionSize() const { return record_.U32(8); } // 0: no region
    std::uint32_t Mode() const { return record_.U32(12); }
    TEmfRegionData Region() const { return TEmfRegionData(record_, 16); }
};

class TEmrSelectClipPath : public TEmrView {
public:
    explicit TEmrSelectClipPath(TEmfRecord record) : TEmrView(record, 12) {}
    std::uint32_t Mode() const { return record_.U32(8); }
};
