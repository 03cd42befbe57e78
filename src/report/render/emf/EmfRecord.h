#pragma once
// One record of an EMF file: its bytes, read little-endian and never past
// their end.
#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads past the end give 0, so a short record never reads outside the file;
// the record views say whether a record holds all its fixed fields.
class TEmfRecord {
public:
    explicit TEmfRecord(std::string_view bytes) : bytes_(bytes) {}

    std::uint32_t Type() const { return U32(0); }
    // The size the record gives itself, which the reader checks once.
    std::uint32_t StatedSize() const { return U32(4); }
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
