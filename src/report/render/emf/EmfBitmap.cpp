#include "report/render/emf/EmfBitmap.h"
#include "report/render/emf/EmfBitmapViews.h"
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfWriter.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <vector>

namespace {

QRgb PaletteColor(const TEmfBitmapInfo& info, std::uint32_t entries, std::uint32_t index) {
    if (index >= entries) {
        return qRgb(0, 0, 0);
    }
    const std::uint32_t quad = info.Color(index);
    return qRgb((quad >> 16) & 0xFF, (quad >> 8) & 0xFF, quad & 0xFF);
}

} // namespace

QImage DecodeDib(std::string_view infoBytes, std::string_view bitsBytes, bool alpha) {
    const TEmfBitmapInfo info(infoBytes);
    if (!info.Complete()) {
        return {};
    }
    const std::int64_t width = info.Width();
    const std::int64_t signedHeight = info.Height();
    const std::uint32_t bitCount = info.BitCount();
    const std::uint32_t compression = info.Compression();
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width * height > emf::kMaxPixels) {
        return {};
    }
    if (compression != emf::kBiRgb &&
        !(compression == emf::kBiBitfields && (bitCount == 16 || bitCount == 32))) {
        return {};
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32) {
        return {};
    }
    const std::int64_t stride = (width * bitCount + 31) / 32 * 4;
    if (stride * height > static_cast<std::int64_t>(bitsBytes.size())) {
        return {};
    }
    std::uint32_t paletteEntries = 0;
    if (bitCount <= 8) {
        const std::uint32_t used = info.ColorsUsed();
        paletteEntries = used == 0 || used > (1u << bitCount) ? 1u << bitCount : used;
        if (!info.HasColors(paletteEntries)) {
            return {};
        }
    }
    // Masks of 16-bit pixels: 5-5-5 unless given after the header.
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (compression == emf::kBiBitfields) {
        if (!info.HasMasks()) {
            return {};
        }
        for (int i = 0; i < 3; ++i) {
            masks[i] = info.Mask(i);
        }
    } else if (bitCount == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0xFF00;
        masks[2] = 0xFF;
    }
    const bool withAlpha = alpha && bitCount == 32;
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    const TEmfRecord bits(bitsBytes);
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t row = signedHeight < 0 ? y : height - 1 - y;
        const std::size_t base = static_cast<std::size_t>(row * stride);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (std::int64_t x = 0; x < width; ++x) {
            QRgb color = 0;
            switch (bitCount) {
            case 1:
            case 4:
            case 8: {
                const std::int64_t bit = x * bitCount;
                const std::uint32_t byte = bits.U8(base + static_cast<std::size_t>(bit / 8));
                const std::uint32_t shift = 8 - bitCount - static_cast<std::uint32_t>(bit % 8);
                const std::uint32_t index = (byte >> shift) & ((1u << bitCount) - 1);
                color = PaletteColor(info, paletteEntries, index);
                break;
            }
            case 24: {
                const std::size_t at = base + static_cast<std::size_t>(x * 3);
                color = qRgb(bits.U8(at + 2), bits.U8(at + 1), bits.U8(at));
                break;
            }
            default: {
                const std::size_t at = base + static_cast<std::size_t>(x * bitCount / 8);
                const std::uint32_t value = bitCount == 16 ? bits.U16(at) : bits.U32(at);
                int channel[3] = {0, 0, 0};
                for (int c = 0; c < 3; ++c) {
                    const std::uint32_t mask = masks[c];
                    if (mask != 0) {
                        const int low = std::countr_zero(mask);
                        const std::uint32_t top = mask >> low;
                        channel[c] = static_cast<int>(((value & mask) >> low) * 255 / top);
                    }
                }
                if (withAlpha) {
                    // Colours above their alpha are not premultiplied: hold them to it.
                    const int a = static_cast<int>(value >> 24);
                    color = qRgba(std::min(channel[0], a), std::min(channel[1], a),
                                  std::min(channel[2], a), a);
                } else {
                    color = qRgb(channel[0], channel[1], channel[2]);
                }
                break;
            }
            }
            line[x] = color;
        }
    }
    return image;
}

TDib EncodeDib(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    TEmfWriter header;
    header.U32(emf::kBitmapInfoHeaderSize);
    header.I32(flat.width());
    header.I32(flat.height());
    header.U16(1);
    header.U16(32);
    header.U32(emf::kBiRgb);
    header.U32(static_cast<std::uint32_t>(flat.width() * flat.height() * 4));
    header.I32(3780); // 96 dpi in pixels per metre
    header.I32(3780);
    header.U32(0);
    header.U32(0);
    TDib dib{header.Data(), {}};
    dib.bits.reserve(static_cast<std::size_t>(flat.width()) * flat.height() * 4);
    for (int y = flat.height() - 1; y >= 0; --y) {
        dib.bits.append(reinterpret_cast<const char*>(flat.constScanLine(y)),
                        static_cast<std::size_t>(flat.width()) * 4);
    }
    return dib;
}
