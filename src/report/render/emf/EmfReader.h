#pragma once
// Reads EMF files: the header, checked once when a file is loaded, and a
// bounds-checked view of each record for the player.
#include <QRectF>

#include <cstddef>
#include <cstdint>
#include <string_view>

// What the player needs of a file's header.
struct TEmfHeader {
    int width = 0; // pixels of the reference device
    int height = 0;
    QRectF frame;                    // the picture's area in device units, stretched on play
    double pixelsPerMmX = 96 / 25.4; // of the reference device, for the metric map modes
    double pixelsPerMmY = 96 / 25.4;
    std::uint16_t handles = 0;
    std::uint32_t size = 0;       // bytes of the file, end record included
    std::uint32_t headerSize = 0; // where the first record after the header starts
};

// Checks a whole file: header, every record's size, the end record, and that
// the picture is not larger than the reader accepts. Raises EReportError.
TEmfHeader ReadEmfHeader(std::string_view bytes);

// One record. Reads past its end give 0, so a short record never reads
// outside the file; handlers check Has first to skip records that are too short.
class TEmfRecord {
public:
    explicit TEmfRecord(std::string_view bytes) : bytes_(bytes) {}

    std::uint32_t Type() const { return U32(0); }
    std::size_t Size() const { return bytes_.size(); }
    bool Has(std::size_t size) const { return bytes_.size() >= size; }
    // Whether count elements of elementSize bytes fit from offset on.
    bool HasArray(std::uint64_t offset, std::uint64_t count, std::uint64_t elementSize) const;

    std::uint32_t U32(std::size_t offset) const;
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    std::uint16_t U16(std::size_t offset) const;
    std::int16_t I16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::uint8_t U8(std::size_t offset) const;
    float F32(std::size_t offset) const;
    // count bytes from offset, or an empty view when they are not all there.
    std::string_view Bytes(std::uint64_t offset, std::uint64_t count) const;

private:
    std::string_view bytes_;
};

// Calls visit(TEmfRecord) for each record after the header of a file that
// ReadEmfHeader accepted, up to and excluding the end record.
template <class Visit>
void ForEachEmfRecord(std::string_view bytes, const TEmfHeader& header, Visit&& visit) {
    std::size_t offset = header.headerSize;
    while (offset + 8 <= header.size) {
        const TEmfRecord head(bytes.substr(offset, 8));
        const std::uint32_t size = head.U32(4);
        if (head.Type() == 14 || size < 8 || size > header.size - offset) {
            return;
        }
        visit(TEmfRecord(bytes.substr(offset, size)));
        offset += size;
    }
}
