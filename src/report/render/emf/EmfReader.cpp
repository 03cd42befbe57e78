#include "report/render/emf/EmfReader.h"
#include "report/NumberText.h"
#include "report/ReportError.h"
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfRecordView.h"

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

TEmfHeader ReadEmfHeader(std::string_view bytes) {
    if (bytes.size() < emf::kMinHeaderSize) {
        Malformed("файл слишком короткий");
    }
    const TEmfRecord record(bytes);
    const TEmrHeader head(record);
    if (record.Type() != emf::kHeader || head.Signature() != emf::kSignature) {
        Malformed("нет заголовка EMF");
    }
    TEmfHeader header;
    header.headerSize = record.StatedSize();
    header.size = head.FileSize();
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
    if (head.RecordCount() > header.size / 8) {
        Malformed("слишком много записей");
    }
    header.handles = head.Handles();

    // The frame (hundredths of a millimetre) gives the picture's size in
    // pixels of the reference device; the bounds (device pixels) stand in
    // when the device is not described.
    const std::int64_t devX = head.Device().cx;
    const std::int64_t devY = head.Device().cy;
    std::int64_t umX = std::int64_t{head.Millimetres().cx} * 1000;
    std::int64_t umY = std::int64_t{head.Millimetres().cy} * 1000;
    const TEmfSizeL micrometres = head.Micrometres();
    if (header.headerSize >= emf::kHeaderSize && micrometres.cx > 0 && micrometres.cy > 0) {
        umX = micrometres.cx;
        umY = micrometres.cy;
    }
    const TEmfRectL frameField = head.Frame();
    const std::int64_t frameLeft = frameField.left;
    const std::int64_t frameTop = frameField.top;
    const std::int64_t frameRight = frameField.right;
    const std::int64_t frameBottom = frameField.bottom;
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
        const TEmfRectL bounds = head.Bounds();
        const std::int64_t left = bounds.left;
        const std::int64_t top = bounds.top;
        frame = QRectF(static_cast<double>(left), static_cast<double>(top),
                       static_cast<double>(bounds.right - left + 1),
                       static_cast<double>(bounds.bottom - top + 1));
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
        const TEmfRecord next(bytes.substr(offset, 8));
        const std::uint32_t size = next.StatedSize();
        if (size < 8 || size % 4 != 0 || size > header.size - offset) {
            Malformed("повреждена запись " + IntToText(static_cast<std::int64_t>(index)));
        }
        if (next.Type() == emf::kEof) {
            break;
        }
        offset += size;
    }
    return header;
}
