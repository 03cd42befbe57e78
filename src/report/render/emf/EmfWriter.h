#pragma once
// Writes EMF records little-endian into a byte string, and wraps finished
// records into a whole file with its header and end record.
#include "report/render/emf/EmfFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TEmfWriter {
public:
    // Starts a record; its size is filled in by End.
    void Begin(emf::TRecordType type);
    void U32(std::uint32_t value);
    void I32(std::int32_t value);
    void U16(std::uint16_t value);
    void I16(std::int16_t value);
    void U8(std::uint8_t value);
    void F32(float value);
    void Raw(std::string_view bytes);
    void Zeros(std::size_t count);
    // Pads the record to whole 32-bit words and fills in its size.
    void End();

    std::uint32_t RecordCount() const { return records_; }
    const std::string& Data() const { return data_; }
    void Clear();

private:
    std::string data_;
    std::size_t start_ = 0;
    std::uint32_t records_ = 0;
};

// A whole file: a header for a picture of that many 96-dpi pixels, the
// records (recordCount of them) and the end record.
std::string EmfFileBytes(int width, int height, std::uint16_t handles, std::string_view records,
                         std::uint32_t recordCount);
