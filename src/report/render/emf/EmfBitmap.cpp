#include "report/render/emf/EmfBitmap.h"
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfReader.h"
#include "report/render/emf/EmfWriter.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <vector>

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kInfoHeaderSize = 40;

QRgb PaletteColor(const TEmfRecord& info, std::uint32_t paletteOffset, std::uint32_t entries,
                  std::uint32_t index) {
    if (index >= entries) {
        return qRgb(0, 0, 0);
    }
    const std::uint32_t quad = info.U32(paletteOffset + 4 * index);
    return qRgb((quad >> 16) & 0xFF, (quad >> 8) & 0xFF, quad & 0xFF);
}

} // namespace

QImage DecodeDib(std::string_view infoBytes, std::string_view bitsBytes, bool alpha) {
    const TEmfRecord info(infoBytes);
    const std::uint32_t headerSize = info.U32(0);
    if (headerSize < kInfoHeaderSize || !info.Has(headerSize)) {
        return {};
    }
    const std::int64_t width = info.I32(4);
    const std::int64_t signedHeight = info.I32(8);
    const std::uint32_t bitCount = info.U16(14);
    const std::uint32_t compression = info.U32(16);
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width * height > emf::kMaxPixels) {
        return {};
    }
    if (compression != kBiRgb &&
        !(compression == kBiBitfields && (bitCount == 16 || bitCount == 32))) {
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
        const std::uint32_t used = info.U32(32);
        paletteEntries = used == 0 || used > (1u << bitCount) ? 1u << bitCount : used;
        if (!info.HasArray(headerSize, paletteEntries, 4)) {
            return {};
        }
    }
    // Masks of 16-bit pixels: 5-5-5 unless given after the header.
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (compression == kBiBitfields) {
        // Larger headers hold the masks themselves; the plain one is followed by them.
        const std::uint32_t at = headerSize >= 52 ? 40 : headerSize;
        if (!info.HasArray(at, 3, 4)) {
            return {};
        }
        for (int i = 0; i < 3; ++i) {
            masks[i] = info.U32(at + 4 * i);
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
                color = PaletteColor(info, headerSize, paletteEntries, index);
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
    header.U32(kInfoHeaderSize);
    header.I32(flat.width());
    header.I32(flat.height());
    header.U16(1);
    header.U16(32);
    header.U32(kBiRgb);
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
