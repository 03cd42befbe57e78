#pragma once
// An enhanced metafile (EMF): recorded with QPainter, played into any QPainter,
// saved as EMF bytes that other programs open. Sizes are pixels of the 96-dpi
// screen, the reference device of every picture the program makes.
//
// Recorded files map a logical unit of 1/48 pixel onto the pixels
// (MM_ANISOTROPIC), so positions between pixels survive; text is written as
// UTF-16 (EXTTEXTOUTW), fills as rectangles and polygons, pens with their
// exact dash pattern. Playing draws in the target's own pixels wherever the
// picture is only scaled and moved, so a picture played at its size gives the
// pixels of the drawing it recorded, and at any zoom stays sharp. Reading
// takes the common records of other programs too and skips the others.
#include <QPaintDevice>
#include <QRectF>

#include <memory>
#include <string>
#include <string_view>

class QPainter;
struct TEmfMetafileState;

class TEmfMetafile {
public:
    // An empty picture of that size in pixels. Negative sizes and pictures of
    // more than 100 million pixels raise EReportError.
    TEmfMetafile(int widthPixels, int heightPixels);
    // Parses EMF bytes; malformed input raises EReportError with a message
    // that says what is wrong.
    static TEmfMetafile FromBytes(std::string_view bytes);

    TEmfMetafile(const TEmfMetafile& other);
    TEmfMetafile& operator=(const TEmfMetafile& other);
    TEmfMetafile(TEmfMetafile&& other) noexcept;
    TEmfMetafile& operator=(TEmfMetafile&& other) noexcept;
    ~TEmfMetafile();

    int Width() const;
    int Height() const;
    // A paint device: QPainter painter(&metafile.PaintDevice()) records the
    // drawing. A new recording replaces the picture's records; it ends when
    // that painter ends.
    QPaintDevice& PaintDevice();
    // Plays the records stretched into target (pixels of the painter's
    // device). Records that cannot be drawn are skipped.
    void Play(QPainter& painter, const QRectF& target) const;
    // The whole EMF file: header, records, end record.
    std::string Bytes() const;

private:
    TEmfMetafile();
    std::unique_ptr<TEmfMetafileState> state_;
};
