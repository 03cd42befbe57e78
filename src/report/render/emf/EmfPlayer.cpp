// Playing a file: each record goes to the handler of its family, read
// through the view of its layout.
#include "report/render/emf/EmfPlayer.h"
#include "report/render/emf/EmfPlayback.h"

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

void TEmfPlayback::Play(const TEmfRecord& r) {
    const auto type = static_cast<emf::TRecordType>(r.Type());
    switch (type) {
    // Polygons and curves.
    case emf::kPolyBezier:
    case emf::kPolyBezier16:
        PolyBezier(TEmrPoly(r, type == emf::kPolyBezier16), false);
        break;
    case emf::kPolyBezierTo:
    case emf::kPolyBezierTo16:
        PolyBezier(TEmrPoly(r, type == emf::kPolyBezierTo16), true);
        break;
    case emf::kPolygon:
    case emf::kPolygon16:
        Polygon(TEmrPoly(r, type == emf::kPolygon16), true);
        break;
    case emf::kPolyline:
    case emf::kPolyline16:
        Polygon(TEmrPoly(r, type == emf::kPolyline16), false);
        break;
    case emf::kPolylineTo:
    case emf::kPolylineTo16:
        PolylineTo(TEmrPoly(r, type == emf::kPolylineTo16));
        break;
    case emf::kPolyPolygon:
    case emf::kPolyPolygon16:
        PolyPolygon(TEmrPolyPoly(r, type == emf::kPolyPolygon16), true);
        break;
    case emf::kPolyPolyline:
    case emf::kPolyPolyline16:
        PolyPolygon(TEmrPolyPoly(r, type == emf::kPolyPolyline16), false);
        break;

    // State.
    case emf::kSetWindowExtEx:
        SetExtent(dc_.windowExt, TEmrSetExtent(r));
        break;
    case emf::kSetViewportExtEx:
        SetExtent(dc_.viewportExt, TEmrSetExtent(r));
        break;
    case emf::kScaleWindowExtEx:
        ScaleExtent(dc_.windowExt, TEmrScaleExtent(r));
        break;
    case emf::kScaleViewportExtEx:
        ScaleExtent(dc_.viewportExt, TEmrScaleExtent(r));
        break;
    case emf::kSetWindowOrgEx:
        SetOrigin(dc_.windowOrg, TEmrSetOrigin(r));
        break;
    case emf::kSetViewportOrgEx:
        SetOrigin(dc_.viewportOrg, TEmrSetOrigin(r));
        break;
    case emf::kSetMapMode:
        SetMapMode(TEmrSetMode(r));
        break;
    case emf::kSetBkMode:
        SetBkMode(TEmrSetMode(r));
        break;
    case emf::kSetPolyFillMode:
        SetPolyFillMode(TEmrSetMode(r));
        break;
    case emf::kSetTextAlign:
        SetTextAlign(TEmrSetMode(r));
        break;
    case emf::kSetTextColor:
        SetColor(dc_.textColor, TEmrSetColor(r));
        break;
    case emf::kSetBkColor:
        SetColor(dc_.bkColor, TEmrSetColor(r));
        break;
    case emf::kSaveDC:
        SaveDC();
        break;
    case emf::kRestoreDC:
        RestoreDC(TEmrRestoreDC(r));
        break;
    case emf::kSetWorldTransform:
        SetWorldTransform(TEmrSetWorldTransform(r));
        break;
    case emf::kModifyWorldTransform:
        ModifyWorldTransform(TEmrModifyWorldTransform(r));
        break;

    // Clipping.
    case emf::kSelectClipPath:
        SelectClipPath(TEmrSelectClipPath(r));
        break;
    case emf::kExtSelectClipRgn:
        ExtSelectClipRgn(TEmrExtSelectClipRgn(r));
        break;
    case emf::kIntersectClipRect:
        ClipRect(TEmrClipRect(r), emf::kRgnAnd);
        break;
    case emf::kExcludeClipRect:
        ClipRect(TEmrClipRect(r), emf::kRgnDiff);
        break;
    case emf::kOffsetClipRgn:
        OffsetClipRgn(TEmrOffsetClipRgn(r));
        break;

    // Objects.
    case emf::kSelectObject:
        SelectObject(TEmrObject(r));
        break;
    case emf::kDeleteObject:
        DeleteObject(TEmrObject(r));
        break;
    case emf::kCreatePen:
        Create(TEmrCreatePen(r));
        break;
    case emf::kExtCreatePen:
        Create(TEmrExtCreatePen(r));
        break;
    case emf::kCreateBrushIndirect:
        Create(TEmrCreateBrushIndirect(r));
        break;
    case emf::kCreateMonoBrush:
    case emf::kCreateDibPatternBrush:
        Create(TEmrCreatePatternBrush(r));
        break;
    case emf::kExtCreateFontIndirectW:
        Create(TEmrExtCreateFontIndirectW(r));
        break;

    // Shapes.
    case emf::kMoveToEx:
        MoveTo(TEmrPoint(r));
        break;
    case emf::kLineTo:
        LineTo(TEmrPoint(r));
        break;
    case emf::kSetPixelV:
        SetPixel(TEmrSetPixelV(r));
        break;
    case emf::kRectangle:
        Rectangle(TEmrBox(r));
        break;
    case emf::kRoundRect:
        RoundRect(TEmrRoundRect(r));
        break;
    case emf::kEllipse:
        Ellipse(TEmrBox(r));
        break;
    case emf::kArc:
    case emf::kArcTo:
    case emf::kChord:
    case emf::kPie:
        Arc(TEmrArc(r), type);
        break;
    case emf::kFillRgn:
        FillRgn(TEmrFillRgn(r));
        break;
    case emf::kPaintRgn:
        PaintRgn(TEmrPaintRgn(r));
        break;

    // Paths.
    case emf::kBeginPath:
        BeginPath();
        break;
    case emf::kEndPath:
        EndPath();
        break;
    case emf::kCloseFigure:
        CloseFigure();
        break;
    case emf::kAbortPath:
        AbortPath();
        break;
    case emf::kFillPath:
    case emf::kStrokePath:
    case emf::kStrokeAndFillPath:
        FinishPath(type != emf::kStrokePath, type != emf::kFillPath);
        break;

    // Text.
    case emf::kExtTextOutW:
    case emf::kExtTextOutA:
        TextOut(TEmrExtTextOut(r, type == emf::kExtTextOutW));
        break;

    // Bitmaps.
    case emf::kStretchDIBits:
        StretchDIBits(TEmrStretchDIBits(r));
        break;
    case emf::kSetDIBitsToDevice:
        SetDIBitsToDevice(TEmrSetDIBitsToDevice(r));
        break;
    case emf::kBitBlt:
        BitBlt(TEmrBitBlt(r));
        break;
    case emf::kStretchBlt:
        StretchBlt(TEmrStretchBlt(r));
        break;
    case emf::kAlphaBlend:
        AlphaBlend(TEmrAlphaBlend(r));
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
