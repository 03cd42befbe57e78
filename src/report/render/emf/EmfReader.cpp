#include "report/render/emf/EmfReader.h"
#include "report/NumberText.h"
#include "report/ReportError.h"
#include "report/render/emf/EmfFormat.h"

#include <bit>
#include <cmath>
#include <string>

namespace {

[[noreturn]] void Malformed(const std::string& reason) {
    throw EReportError("Неверный формат метафайла: " + reason);
}

// Device pixels of a length in hundredths of a millimetre, given how many
// pixels the reference device has across how many micrometres.
double FrameToPixels(std::int64_t length, std::int64_t pixels, std::int64_t micrometres) {
    return static_cast<double>(length) * 10.0 * static_cast<double>(pixels) /
           static_cast<double>(micrometres);
}

} // namespace

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

TEmfHeader ReadEmfHeader(std::string_view bytes) {
    if (bytes.size() < emf::kMinHeaderSize) {
        Malformed("файл слишком короткий");
    }
    const TEmfRecord head(bytes);
    if (head.Type() != emf::kHeader || head.U32(40) != emf::kSignature) {
        Malformed("нет заголовка EMF");
    }
    TEmfHeader header;
    header.headerSize = head.U32(4);
    header.size = head.U32(48);
    if (header.headerSize < emf::kMinHeaderSize || header.headerSize % 4 != 0 ||
        header.headerSize > bytes.size()) {
        Malformed("повреждён заголовок");
    }
    if (header.size > bytes.size()) {
        Malformed("файл обрезан");
    }
    if (header.size < header.headerSize) {
        Malformed("повреждён заголовок");
    }
    if (head.U32(52) > header.size / 8) {
        Malformed("слишком много записей");
    }
    header.handles = head.U16(56);

    // The frame (hundredths of a millimetre) gives the picture's size in
    // pixels of the reference device; the bounds (device pixels) stand in
    // when the device is not described.
    const std::int64_t devX = head.I32(72);
    const std::int64_t devY = head.I32(76);
    std::int64_t umX = std::int64_t{head.I32(80)} * 1000;
    std::int64_t umY = std::int64_t{head.I32(84)} * 1000;
    if (header.headerSize >= emf::kHeaderSize && head.I32(100) > 0 && head.I32(104) > 0) {
        umX = head.I32(100);
        umY = head.I32(104);
    }
    const std::int64_t frameLeft = head.I32(24);
    const std::int64_t frameTop = head.I32(28);
    const std::int64_t frameRight = head.I32(32);
    const std::int64_t frameBottom = head.I32(36);
    QRectF frame;
    if (devX > 0 && devY > 0 && umX > 0 && umY > 0 && frameRight > frameLeft &&
        frameBottom > frameTop) {
        const double left = FrameToPixels(frameLeft, devX, umX);
        const double top = FrameToPixels(frameTop, devY, umY);
        frame = QRectF(left, top, FrameToPixels(frameRight, devX, umX) - left,
                       FrameToPixels(frameBottom, devY, umY) - top);
        header.pixelsPerMmX = FrameToPixels(100, devX, umX);
        header.pixelsPerMmY = FrameToPixels(100, devY, umY);
    } else {
        const std::int64_t left = head.I32(8);
        const std::int64_t top = head.I32(12);
        frame = QRectF(static_cast<double>(left), static_cast<double>(top),
                       static_cast<double>(head.I32(16) - left + 1),
                       static_cast<double>(head.I32(20) - top + 1));
    }
    const double width = std::round(frame.width());
    const double height = std::round(frame.height());
    if (!emf::AcceptablePictureSize(width, height)) {
        Malformed("размер рисунка вне допустимых пределов");
    }
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    // Whole pixels of the reference device: the frame is stored in coarser
    // units than its pixels, and a stretch a hair off scale moves every edge.
    header.frame = QRectF(std::round(frame.left()), std::round(frame.top()), width, height);

    std::size_t offset = header.headerSize;
    std::uint32_t index = 1;
    while (true) {
        ++index;
        if (header.size - offset < 8) {
            Malformed("нет записи конца файла");
        }
        const TEmfRecord record(bytes.substr(offset, 8));
        const std::uint32_t size = record.U32(4);
        if (size < 8 || size % 4 != 0 || size > header.size - offset) {
            Malformed("повреждена запись " + IntToText(static_cast<std::int64_t>(index)));
        }
        if (record.Type() == emf::kEof) {
            break;
        }
        offset += size;
    }
    return header;
}
