#pragma once
// Reads EMF files: the header, checked once when a file is loaded, and the
// records after it for the player.
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfRecord.h"

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

// Calls visit(TEmfRecord) for each record after the header of a file that
// ReadEmfHeader accepted, up to and excluding the end record.
template <class Visit>
void ForEachEmfRecord(std::string_view bytes, const TEmfHeader& header, Visit&& visit) {
    std::size_t offset = header.headerSize;
    while (offset + 8 <= header.size) {
        const TEmfRecord head(bytes.substr(offset, 8));
        const std::uint32_t size = head.StatedSize();
        if (head.Type() == emf::kEof || size < 8 || size > header.size - offset) {
            return;
        }
        visit(TEmfRecord(bytes.substr(offset, size)));
        offset += size;
    }
}
