#pragma once
// Named views of the records' fields, one class per record layout; the
// families' views are in EmfStateViews.h, EmfObjectViews.h, EmfShapeViews.h,
// EmfTextViews.h and EmfBitmapViews.h. A view reads through TEmfRecord, so a
// field past the end of a short record reads as 0; Complete says whether the
// record holds every fixed field of its type, and the player skips records
// that do not. Here: what they share, and the file's header.
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfRecord.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Points, sizes and rectangles as the file stores them: 32-bit logical units.
struct TEmfPointL {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct TEmfSizeL {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

struct TEmfRectL {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// A world transform: x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
struct TEmfXForm {
    float m11 = 1;
    float m12 = 0;
    float m21 = 0;
    float m22 = 1;
    float dx = 0;
    float dy = 0;
};

inline TEmfPointL EmfPointAt(const TEmfRecord& record, std::size_t offset) {
    return {record.I32(offset), record.I32(offset + 4)};
}

inline TEmfSizeL EmfSizeAt(const TEmfRecord& record, std::size_t offset) {
    return {record.I32(offset), record.I32(offset + 4)};
}

// A point of 16-bit (pointSize 4) or 32-bit coordinates.
inline TEmfPointL EmfPointOfSize(const TEmfRecord& record, std::size_t offset,
                                 std::size_t pointSize) {
    return pointSize == 4 ? TEmfPointL{record.I16(offset), record.I16(offset + 2)}
                          : EmfPointAt(record, offset);
}

inline TEmfRectL EmfRectAt(const TEmfRecord& record, std::size_t offset) {
    return {record.I32(offset), record.I32(offset + 4), record.I32(offset + 8),
            record.I32(offset + 12)};
}

// A record of one layout, whose fixed fields take fixedSize bytes.
class TEmrView {
public:
    bool Complete() const { return record_.Has(fixedSize_); }

protected:
    TEmrView(TEmfRecord record, std::size_t fixedSize) : record_(record), fixedSize_(fixedSize) {}
    // The bytes that the offset and size fields from `at` on point to.
    std::string_view Block(std::size_t at) const {
        return record_.Bytes(record_.U32(at), record_.U32(at + 4));
    }

    TEmfRecord record_;

private:
    std::size_t fixedSize_;
};

// Region data from an offset of a record on: a header of at least 32 bytes
// whose third field counts the rectangles after it.
class TEmfRegionData {
public:
    TEmfRegionData(TEmfRecord record, std::size_t at) : record_(record), at_(at) {}
    std::uint32_t Count() const { return record_.U32(at_ + 8); }
    // Whether the header and all the rectangles are there.
    bool Complete() const {
        return record_.U32(at_) >= 32 && record_.HasArray(RectsAt(), Count(), 16);
    }
    TEmfRectL Rect(std::uint32_t index) const {
        return EmfRectAt(record_, RectsAt() + 16 * std::size_t{index});
    }

private:
    std::size_t RectsAt() const { return at_ + std::size_t{record_.U32(at_)}; }

    TEmfRecord record_;
    std::size_t at_;
};

class TEmrHeader : public TEmrView {
public:
    explicit TEmrHeader(TEmfRecord record) : TEmrView(record, emf::kMinHeaderSize) {}
    TEmfRectL Bounds() const { return EmfRectAt(record_, 8); } // device pixels, inclusive
    TEmfRectL Frame() const { return EmfRectAt(record_, 24); } // hundredths of a millimetre
    std::uint32_t Signature() const { return record_.U32(40); }
    std::uint32_t FileSize() const { return record_.U32(48); }
    std::uint32_t RecordCount() const { return record_.U32(52); }
    std::uint16_t Handles() const { return record_.U16(56); }
    TEmfSizeL Device() const { return EmfSizeAt(record_, 72); }      // pixels
    TEmfSizeL Millimetres() const { return EmfSizeAt(record_, 80); } // of the device
    // Of the device, in the header's second extension only.
    TEmfSizeL Micrometres() const { return EmfSizeAt(record_, 100); }
};
