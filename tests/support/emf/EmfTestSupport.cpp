#include "support/emf/EmfTestSupport.h"

#include <algorithm>
#include <cstdlib>

namespace emf_test {

QImage Draw(int width, int height, const std::function<void(QPainter&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter);
    return image;
}

QImage Play(const TEmfMetafile& metafile, int width, int height, const QRectF& target) {
    return Draw(width, height, [&](QPainter& painter) { metafile.Play(painter, target); });
}

int DifferentPixels(const QImage& a, const QImage& b, int tolerance) {
    if (a.size() != b.size()) {
        return a.width() * a.height() + 1;
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            count += difference > tolerance ? 1 : 0;
        }
    }
    return count;
}

bool AllOf(const QImage& image, const QRect& rect, QColor color) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixel(x, y) != color.rgb()) {
                return false;
            }
        }
    }
    return true;
}

bool AnyDark(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

QRect DarkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

std::string HandMade(const std::function<void(TEmfWriter&)>& add, std::uint16_t handles) {
    TEmfWriter records;
    add(records);
    return EmfFileBytes(100, 100, handles, records.Data(), records.RecordCount());
}

} // namespace emf_test
