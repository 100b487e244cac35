#include "tests/split/PixelChecks.h"

#include <sstream>

namespace split_tests {

QImage pageWithBox(int width, int height, QRgb page, const imaging::PixelRect& box, QRgb ink) {
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            picture.setPixel(x, y, inside ? ink : page);
        }
    }
    return picture;
}

std::string firstDifference(const QImage& actual, const QImage& expected) {
    std::ostringstream text;
    if (actual.size() != expected.size()) {
        text << "size " << actual.width() << "x" << actual.height() << ", expected "
             << expected.width() << "x" << expected.height();
        return text.str();
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (a != e) {
                text << "pixel (" << x << ", " << y << ") is " << std::hex << (a & 0xffffff)
                     << ", expected " << (e & 0xffffff);
                return text.str();
            }
        }
    }
    return {};
}

QImage cropOf(const QImage& picture, const imaging::PixelRect& box) {
    return picture.copy(box.left, box.top, box.width(), box.height())
        .convertToFormat(QImage::Format_RGB888);
}

}  // namespace split_tests
