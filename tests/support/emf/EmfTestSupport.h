#pragma once
// Pictures for the metafile tests: images to draw on, pixel comparison, and
// hand-made files with the records other programs write.
#include "report/render/emf/EmfMetafile.h"
#include "report/render/emf/EmfWriter.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <string>

namespace emf_test {

// A white image of that size with the drawing on it.
QImage Draw(int width, int height, const std::function<void(QPainter&)>& draw);

// The metafile played into a white image of that size, stretched to target.
QImage Play(const TEmfMetafile& metafile, int width, int height, const QRectF& target);

// How many pixels differ by more than tolerance in any channel.
int DifferentPixels(const QImage& a, const QImage& b, int tolerance = 0);

// Whether every pixel of the rectangle has that colour.
bool AllOf(const QImage& image, const QRect& rect, QColor color);

// Whether some pixel of the rectangle is darker than mid grey.
bool AnyDark(const QImage& image, const QRect& rect);

// The smallest rectangle holding every pixel darker than mid grey.
QRect DarkBounds(const QImage& image);

// A file of 100 x 100 pixels with the records written by add.
std::string HandMade(const std::function<void(TEmfWriter&)>& add, std::uint16_t handles = 8);

} // namespace emf_test
