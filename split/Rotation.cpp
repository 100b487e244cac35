#include "split/Rotation.h"

#include <algorithm>
#include <cstring>

namespace split {

namespace {

// Side of the square tiles the copy walks: a tile of source rows and one
// of target rows (64 rows of 64 pixels each) stay in the first-level cache.
constexpr int kTile = 64;

// Copies every pixel of the RGB888 `source` to its place in `target`,
// which is source's height x width.
void turnInto(const QImage& source, QImage& target, TurnDirection direction) {
    const int width = source.width();
    const int height = source.height();
    const uchar* sourceBits = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    uchar* targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    const bool left = direction == TurnDirection::Left;

    for (int tileY = 0; tileY < height; tileY += kTile) {
        const int endY = std::min(tileY + kTile, height);
        for (int tileX = 0; tileX < width; tileX += kTile) {
            const int endX = std::min(tileX + kTile, width);
            for (int y = tileY; y < endY; ++y) {
                const uchar* from = sourceBits + y * sourceStride + 3 * tileX;
                // Left: (x, y) -> (y, W-1-x); right: (x, y) -> (H-1-y, x).
                const int targetX = left ? y : height - 1 - y;
                for (int x = tileX; x < endX; ++x, from += 3) {
                    const int targetY = left ? width - 1 - x : x;
                    std::memcpy(targetBits + targetY * targetStride + 3 * targetX, from, 3);
                }
            }
        }
    }
}

QImage rgbOf(const QImage& picture) {
    return picture.format() == QImage::Format_RGB888
               ? picture
               : picture.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

QImage turnQuarter(const QImage& picture, TurnDirection direction) {
    if (picture.isNull()) {
        return QImage();
    }
    const QImage source = rgbOf(picture);
    if (source.isNull()) {
        return QImage();
    }
    QImage target(source.height(), source.width(), QImage::Format_RGB888);
    if (target.isNull()) {
        return QImage();
    }
    turnInto(source, target, direction);
    return target;
}

QImage turnQuarter(const QImage& picture, TurnDirection direction, imaging::PixelBuffer& into) {
    if (picture.isNull() || into.holds(picture.constBits())) {
        return turnQuarter(picture, direction);
    }
    const QImage source = rgbOf(picture);
    if (source.isNull()) {
        return QImage();
    }
    QImage target = into.picture(source.height(), source.width());
    if (target.isNull()) {
        return QImage();
    }
    turnInto(source, target, direction);
    return target;
}

}  // namespace split
