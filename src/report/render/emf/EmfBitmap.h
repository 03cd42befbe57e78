#pragma once
// Device-independent bitmaps inside EMF records: decoding the common forms
// (1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed) into a QImage, and
// encoding an image as a 32-bit bitmap.
#include <QImage>

#include <cstdint>
#include <string>
#include <string_view>

// info is the bitmap header with its colour table, bits the pixel rows.
// A null image for what cannot be decoded: unknown forms, missing bytes,
// sizes over the reader's limit. With alpha, 32-bit pixels keep their
// (premultiplied) alpha.
QImage DecodeDib(std::string_view info, std::string_view bits, bool alpha = false);

struct TDib {
    std::string info; // 40-byte header, no colour table
    std::string bits; // bottom-up rows of 32-bit pixels
};
// The image composed over white, as it would be printed.
TDib EncodeDib(const QImage& image);
