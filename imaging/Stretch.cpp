#include "imaging/Stretch.h"

#include <QColor>

#include <algorithm>
#include <cstring>
#include <vector>

namespace imaging {
namespace {

QImage asRgb888(const QImage& image) {
    return image.format() == QImage::Format_RGB888 ? image
                                                   : image.convertToFormat(QImage::Format_RGB888);
}

// Source position for each target position of one axis (the header's
// formula), or -1 where the source position lies outside the source.
std::vector<int> sourcePositions(int targetStart, int targetEnd, int toStart, int toLength,
                                 int fromStart, int fromLength, int sourceLength) {
    std::vector<int> positions;
    positions.reserve(static_cast<size_t>(std::max(0, targetEnd - targetStart)));
    for (int t = targetStart; t < targetEnd; ++t) {
        const qint64 offset = (static_cast<qint64>(t - toStart) * fromLength) / toLength;
        const qint64 s = fromStart + offset;
        positions.push_back(s >= 0 && s < sourceLength ? static_cast<int>(s) : -1);
    }
    return positions;
}

}  // namespace

void stretchCopy(const QImage& source, const PixelRect& from, QImage& target, const PixelRect& to) {
    if (from.width() <= 0 || from.height() <= 0 || to.width() <= 0 || to.height() <= 0 ||
        source.isNull() || target.isNull()) {
        return;
    }
    const QImage rgbSource = asRgb888(source);
    if (target.format() != QImage::Format_RGB888) {
        target = target.convertToFormat(QImage::Format_RGB888);
    }
    const int firstX = std::max(to.left, 0);
    const int endX = std::min(to.right, target.width());
    const int firstY = std::max(to.top, 0);
    const int endY = std::min(to.bottom, target.height());
    if (firstX >= endX || firstY >= endY) {
        return;
    }
    const std::vector<int> columns = sourcePositions(firstX, endX, to.left, to.width(), from.left,
                                                     from.width(), rgbSource.width());
    const std::vector<int> rows = sourcePositions(firstY, endY, to.top, to.height(), from.top,
                                                  from.height(), rgbSource.height());
    // Consecutive source columns (1:1 horizontally) copy as one block; the
    // positions only ever step by one when first and last are n - 1 apart.
    const bool contiguous =
        columns.front() >= 0 && columns.back() == columns.front() + (endX - firstX - 1);
    for (int y = firstY; y < endY; ++y) {
        const int sy = rows[static_cast<size_t>(y - firstY)];
        if (sy < 0) {
            continue;
        }
        const uchar* sourceRow = rgbSource.constScanLine(sy);
        uchar* targetRow = target.scanLine(y) + 3 * firstX;
        if (contiguous) {
            std::memcpy(targetRow, sourceRow + 3 * columns.front(),
                        3 * static_cast<size_t>(endX - firstX));
            continue;
        }
        for (const int sx : columns) {
            if (sx >= 0) {
                const uchar* pixel = sourceRow + 3 * sx;
                targetRow[0] = pixel[0];
                targetRow[1] = pixel[1];
                targetRow[2] = pixel[2];
            }
            targetRow += 3;
        }
    }
}

QImage filledImage(int width, int height, QRgb colour) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull()) {
        return {};
    }
    image.fill(QColor(colour));
    return image;
}

QImage copyRect(const QImage& source, const PixelRect& from) {
    const int left = std::max(from.left, 0);
    const int top = std::max(from.top, 0);
    const int right = std::min(from.right, source.width());
    const int bottom = std::min(from.bottom, source.height());
    if (source.isNull() || left >= right || top >= bottom) {
        return {};
    }
    const QImage rgbSource = asRgb888(source);
    QImage copy(right - left, bottom - top, QImage::Format_RGB888);
    if (copy.isNull()) {
        return {};
    }
    for (int y = top; y < bottom; ++y) {
        std::memcpy(copy.scanLine(y - top), rgbSource.constScanLine(y) + 3 * left,
                    3 * static_cast<size_t>(right - left));
    }
    return copy;
}

}  // namespace imaging
