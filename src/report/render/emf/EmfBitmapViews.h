#pragma once
// Views of the records that draw bitmaps, and of the bitmaps' headers.
#include "report/render/emf/EmfRecordView.h"

#include <string_view>

// The header of a device-independent bitmap, its colour table after it.
class TEmfBitmapInfo {
public:
    explicit TEmfBitmapInfo(std::string_view bytes) : info_(bytes) {}
    std::uint32_t HeaderSize() const { return info_.U32(0); }
    // Whether the header is at least the plain one and all there.
    bool Complete() const {
        return HeaderSize() >= emf::kBitmapInfoHeaderSize && info_.Has(HeaderSize());
    }
    std::int32_t Width() const { return info_.I32(4); }
    // Negative for rows from the top down.
    std::int32_t Height() const { return info_.I32(8); }
    std::uint16_t BitCount() const { return info_.U16(14); }
    std::uint32_t Compression() const { return info_.U32(16); }
    std::uint32_t ColorsUsed() const { return info_.U32(32); }
    bool HasColors(std::uint32_t count) const { return info_.HasArray(HeaderSize(), count, 4); }
    std::uint32_t Color(std::uint32_t index) const {
        return info_.U32(std::size_t{HeaderSize()} + 4 * std::size_t{index});
    }
    // The red, green and blue masks: inside the larger headers, after the plain one.
    bool HasMasks() const { return info_.HasArray(MasksAt(), 3, 4); }
    std::uint32_t Mask(int channel) const { return info_.U32(MasksAt() + 4 * channel); }

private:
    std::size_t MasksAt() const { return HeaderSize() >= 52 ? 40 : HeaderSize(); }

    TEmfRecord info_;
};

class TEmrStretchDIBits : public TEmrView {
public:
    explicit TEmrStretchDIBits(TEmfRecord record) : TEmrView(record, 80) {}
    TEmfPointL Dest() const { return EmfPointAt(record_, 24); }
    TEmfPointL Source() const { return EmfPointAt(record_, 32); }
    TEmfSizeL SourceSize() const { return EmfSizeAt(record_, 40); }
    std::string_view BitmapInfo() const { return Block(48); }
    std::string_view Bits() const { return Block(56); }
    TEmfSizeL DestSize() const { return EmfSizeAt(record_, 72); }
};

// Drawn at the source's size.
class TEmrSetDIBitsToDevice : public TEmrView {
public:
    explicit TEmrSetDIBitsToDevice(TEmfRecord record) : TEmrView(record, 76) {}
    TEmfPointL Dest() const { return EmfPointAt(record_, 24); }
    TEmfPointL Source() const { return EmfPointAt(record_, 32); }
    TEmfSizeL SourceSize() const { return EmfSizeAt(record_, 40); }
    std::string_view BitmapInfo() const { return Block(48); }
    std::string_view Bits() const { return Block(56); }
};

// What BitBlt, StretchBlt and AlphaBlend share.
class TEmrBlt : public TEmrView {
public:
    TEmfPointL Dest() const { return EmfPointAt(record_, 24); }
    TEmfSizeL DestSize() const { return EmfSizeAt(record_, 32); }
    TEmfPointL Source() const { return EmfPointAt(record_, 44); }
    // 0 when there is no source bitmap, only the brush.
    std::uint32_t BitmapInfoSize() const { return record_.U32(88); }
    std::string_view BitmapInfo() const { return Block(84); }
    std::string_view Bits() const { return Block(92); }

protected:
    TEmrBlt(TEmfRecord record, std::size_t fixedSize) : TEmrView(record, fixedSize) {}
};

// Drawn at the source's size.
class TEmrBitBlt : public TEmrBlt {
public:
    explicit TEmrBitBlt(TEmfRecord record) : TEmrBlt(record, 100) {}
    std::uint32_t RasterOperation() const { return record_.U32(40); }
};

class TEmrStretchBlt : public TEmrBlt {
public:
    explicit TEmrStretchBlt(TEmfRecord record) : TEmrBlt(record, 108) {}
    std::uint32_t RasterOperation() const { return record_.U32(40); }
    TEmfSizeL SourceSize() const { return EmfSizeAt(record_, 100); }
};

class TEmrAlphaBlend : public TEmrBlt {
public:
    explicit TEmrAlphaBlend(TEmfRecord record) : TEmrBlt(record, 108) {}
    // Of the blend function: the opacity of the whole, and whether the
    // source has alpha of its own.
    std::uint8_t ConstantAlpha() const { return record_.U8(42); }
    std::uint8_t AlphaFormat() const { return record_.U8(43); }
    TEmfSizeL SourceSize() const { return EmfSizeAt(record_, 100); }
};
