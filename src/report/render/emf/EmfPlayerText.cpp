// Text of the file, drawn in the painter's pixels wherever the drawing is
// upright.
#include "report/render/emf/EmfPlayback.h"
#include "text/qt/QtCodec.h"

#include <QFontMetricsF>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRussianCharset = 204;
// Qt keeps every glyph it draws on an image in a cache; glyphs larger than
// this are filled as outlines instead, so a file cannot fill memory with them.
constexpr double kMaxCachedGlyphPixels = 256;

} // namespace

void TEmfPlayback::TextOut(const TEmrExtTextOut& record) {
    if (!record.Complete() || path_) {
        return;
    }
    const std::uint32_t count = record.CharCount();
    const std::string_view bytes = record.Chars();
    if (count == 0 || bytes.empty()) {
        return;
    }
    QString text;
    if (record.Wide()) {
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
    const std::uint32_t options = record.Options();
    const TEmfRectL rectangle = record.Rectangle();
    const QRectF box(QPointF(rectangle.left, rectangle.top),
                     QPointF(rectangle.right, rectangle.bottom));
    const bool useCurrent = (dc_.textAlign & emf::kTaUpdateCp) != 0;
    const QPointF reference = useCurrent ? dc_.position : EmfPointF(record.Reference());
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
    double scale = 1;       // font units to the painter's units
    double deviceScale = 1; // the painter's units to its device's pixels
    double toLogical = 1;
    if (device_ && dc_.font.escapement == 0) {
        const double sx = std::abs(full_.m11());
        const double sy = std::abs(full_.m22());
        scale = sy;
        toLogical = sx > 0 ? 1 / sx : 0;
        at = ToPainter(reference);
        if (sy > 0 && std::abs(sx / sy - 1) > 0.01) {
            font.setStretch(std::clamp(static_cast<int>(std::lround(100 * sx / sy)), 1, 4000));
            deviceScale = std::max(1.0, font.stretch() / 100.0);
        }
    } else {
        deviceScale =
            std::max(std::hypot(full_.m11(), full_.m12()), std::hypot(full_.m21(), full_.m22()));
        painter_.setWorldTransform(full_);
        painter_.translate(reference);
        painter_.rotate(-dc_.font.escapement / 10.0);
        at = QPointF();
    }
    const double pixels = dc_.font.height * scale;
    const double devicePixels = pixels * deviceScale;
    if (pixels >= 0.5 && devicePixels <= emf::kMaxFontPixels) {
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
        const QPaintEngine* engine = painter_.paintEngine();
        if (engine && engine->type() == QPaintEngine::Raster &&
            devicePixels > kMaxCachedGlyphPixels) {
            QPainterPath outline;
            outline.addText(at, font, text);
            painter_.fillPath(outline, dc_.textColor);
        } else {
            // Elsewhere (PDF, printers) text stays text.
            painter_.setFont(font);
            painter_.setPen(dc_.textColor);
            painter_.drawText(at, text);
        }
        if (useCurrent && horizontal == 0) {
            dc_.position.rx() += width * toLogical;
        }
    }
    painter_.restore();
    transformDirty_ = true;
}
