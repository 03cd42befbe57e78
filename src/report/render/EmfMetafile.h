#pragma once
// An enhanced metafile (EMF): recorded with QPainter, played into any QPainter,
// saved as EMF bytes that other programs open. Coordinates are pixels of the
// 96-dpi screen, the reference device of every picture the program makes.
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
