#include "report/render/emf/EmfWriter.h"

#include <bit>
#include <cstring>

namespace {

// The reference device: a 1920 x 1080 screen at 96 pixels per inch, so that
// a pixel is exactly 2540/96 hundredths of a millimetre.
constexpr std::int32_t kDeviceWidth = 1920;
constexpr std::int32_t kDeviceHeight = 1080;
constexpr std::int32_t kDeviceWidthMm = 508;
constexpr std::int32_t kDeviceHeightMm = 286;
constexpr std::int32_t kDeviceWidthUm = 508000;
constexpr std::int32_t kDeviceHeightUm = 285750;

std::int32_t PixelsToHundredthsMm(std::int64_t pixels) {
    return static_cast<std::int32_t>((pixels * 2540 + 48) / 96);
}

} // namespace

void TEmfWriter::Begin(emf::TRecordType type) {
    start_ = data_.size();
    U32(type);
    U32(0);
}

void TEmfWriter::U32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        data_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void TEmfWriter::I32(std::int32_t value) {
    U32(static_cast<std::uint32_t>(value));
}

void TEmfWriter::U16(std::uint16_t value) {
    data_.push_back(static_cast<char>(value & 0xFF));
    data_.push_back(static_cast<char>(value >> 8));
}

void TEmfWriter::I16(std::int16_t value) {
    U16(static_cast<std::uint16_t>(value));
}

void TEmfWriter::U8(std::uint8_t value) {
    data_.push_back(static_cast<char>(value));
}

void TEmfWriter::F32(float value) {
    U32(std::bit_cast<std::uint32_t>(value));
}

void TEmfWriter::Raw(std::string_view bytes) {
    data_.append(bytes);
}

void TEmfWriter::Zeros(std::size_t count) {
    data_.append(count, '\0');
}

void TEmfWriter::End() {
    Zeros((4 - data_.size() % 4) % 4);
    const auto size = static_cast<std::uint32_t>(data_.size() - start_);
    for (int i = 0; i < 4; ++i) {
        data_[start_ + 4 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    }
    ++records_;
}

void TEmfWriter::Clear() {
    data_.clear();
    start_ = 0;
    records_ = 0;
}

std::string EmfFileBytes(int width, int height, std::uint16_t handles, std::string_view records,
                         std::uint32_t recordCount) {
    constexpr std::uint32_t kEofSize = 20;
    TEmfWriter out;
    out.Begin(emf::kHeader);
    // Bounds in device pixels, inclusive.
    out.I32(0);
    out.I32(0);
    out.I32(width - 1);
    out.I32(height - 1);
    // Frame in hundredths of a millimetre.
    out.I32(0);
    out.I32(0);
    out.I32(PixelsToHundredthsMm(width));
    out.I32(PixelsToHundredthsMm(height));
    out.U32(emf::kSignature);
    out.U32(emf::kVersion);
    out.U32(static_cast<std::uint32_t>(emf::kHeaderSize + records.size() + kEofSize));
    out.U32(recordCount + 2);
    out.U16(handles);
    out.U16(0);
    out.U32(0); // no description
    out.U32(0);
    out.U32(0); // no palette
    out.I32(kDeviceWidth);
    out.I32(kDeviceHeight);
    out.I32(kDeviceWidthMm);
    out.I32(kDeviceHeightMm);
    out.U32(0); // no pixel format
    out.U32(0);
    out.U32(0); // no OpenGL
    out.I32(kDeviceWidthUm);
    out.I32(kDeviceHeightUm);
    out.End();
    out.Raw(records);
    out.Begin(emf::kEof);
    out.U32(0);
    out.U32(16);
    out.U32(kEofSize);
    out.End();
    return out.Data();
}
