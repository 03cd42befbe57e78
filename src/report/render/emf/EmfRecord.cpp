#include "report/render/emf/EmfRecord.h"

#include <bit>

bool TEmfRecord::HasArray(std::uint64_t offset, std::uint64_t count,
                          std::uint64_t elementSize) const {
    return offset <= bytes_.size() && count <= (bytes_.size() - offset) / elementSize;
}

std::uint32_t TEmfRecord::U32(std::size_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < 4) {
        return 0;
    }
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes_[offset + i]);
    }
    return value;
}

std::uint16_t TEmfRecord::U16(std::size_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < 2) {
        return 0;
    }
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[offset]) |
                                      (static_cast<unsigned char>(bytes_[offset + 1]) << 8));
}

std::uint8_t TEmfRecord::U8(std::size_t offset) const {
    return offset < bytes_.size() ? static_cast<std::uint8_t>(bytes_[offset]) : 0;
}

float TEmfRecord::F32(std::size_t offset) const {
    return std::bit_cast<float>(U32(offset));
}

std::string_view TEmfRecord::Bytes(std::uint64_t offset, std::uint64_t count) const {
    if (offset > bytes_.size() || count > bytes_.size() - offset) {
        return {};
    }
    return bytes_.substr(offset, count);
}
