// Bitmaps of the file, and block transfers that only fill with the brush.
#include "report/render/emf/EmfBitmap.h"
#include "report/render/emf/EmfPlayback.h"

namespace {

QRectF TargetRect(const TEmfPointL& origin, const TEmfSizeL& size) {
    return QRectF(origin.x, origin.y, size.cx, size.cy);
}

QSizeF SizeF(const TEmfSizeL& size) {
    return QSizeF(size.cx, size.cy);
}

} // namespace

void TEmfPlayback::DrawBitmap(std::string_view info, std::string_view bits, QRectF target,
                              QPointF sourceOrigin, QSizeF sourceSize, bool alpha, double opacity) {
    const QImage image = DecodeDib(info, bits, alpha);
    if (image.isNull() || path_ || !Ready()) {
        return;
    }
    // Rows of a bottom-up bitmap count from its bottom.
    if (TEmfBitmapInfo(info).Height() > 0) {
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

void TEmfPlayback::StretchDIBits(const TEmrStretchDIBits& record) {
    if (record.Complete()) {
        DrawBitmap(record.BitmapInfo(), record.Bits(), TargetRect(record.Dest(), record.DestSize()),
                   EmfPointF(record.Source()), SizeF(record.SourceSize()));
    }
}

void TEmfPlayback::SetDIBitsToDevice(const TEmrSetDIBitsToDevice& record) {
    if (record.Complete()) {
        DrawBitmap(record.BitmapInfo(), record.Bits(),
                   TargetRect(record.Dest(), record.SourceSize()), EmfPointF(record.Source()),
                   SizeF(record.SourceSize()));
    }
}

void TEmfPlayback::Blt(const TEmrBlt& record, std::uint32_t rop, const QSizeF& sourceSize) {
    const QRectF target = TargetRect(record.Dest(), record.DestSize());
    if (record.BitmapInfoSize() == 0) {
        PatternBlt(target, rop);
    } else {
        DrawBitmap(record.BitmapInfo(), record.Bits(), target, EmfPointF(record.Source()),
                   sourceSize);
    }
}

void TEmfPlayback::BitBlt(const TEmrBitBlt& record) {
    if (record.Complete()) {
        Blt(record, record.RasterOperation(), SizeF(record.DestSize()));
    }
}

void TEmfPlayback::StretchBlt(const TEmrStretchBlt& record) {
    if (record.Complete()) {
        Blt(record, record.RasterOperation(), SizeF(record.SourceSize()));
    }
}

void TEmfPlayback::AlphaBlend(const TEmrAlphaBlend& record) {
    if (record.Complete()) {
        DrawBitmap(record.BitmapInfo(), record.Bits(), TargetRect(record.Dest(), record.DestSize()),
                   EmfPointF(record.Source()), SizeF(record.SourceSize()),
                   record.AlphaFormat() != 0, record.ConstantAlpha() / 255.0);
    }
}
