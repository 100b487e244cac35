#include "trimming/FocusOutline.h"

#include <algorithm>
#include <cstdint>

namespace trimming {

namespace {

void invertDot(QImage& picture, int64_t x, int64_t y) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height() || (x + y) % 2 != 0) {
        return;
    }
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(static_cast<int>(y)));
    row[x] ^= 0x00FFFFFFu;
}

}  // namespace

void invertFocusOutline(QImage& picture, int left, int top, int width, int height) {
    if (width <= 0 || height <= 0 || picture.format() != QImage::Format_RGB32) {
        return;
    }
    // 64-bit edges: a frame grown past the image may reach the 32-bit limit.
    const int64_t right = int64_t{left} + width - 1;
    const int64_t bottom = int64_t{top} + height - 1;
    // Only the visible stretch of each edge is walked, however long the edge.
    const int64_t firstX = std::max<int64_t>(left, 0);
    const int64_t lastX = std::min<int64_t>(right, picture.width() - 1);
    const int64_t firstY = std::max<int64_t>(top, 0);
    const int64_t lastY = std::min<int64_t>(bottom, picture.height() - 1);
    for (int64_t x = firstX; x <= lastX; ++x) {
        invertDot(picture, x, top);
        if (bottom != top) {
            invertDot(picture, x, bottom);
        }
    }
    // The side columns without the corners, which the rows already covered.
    for (int64_t y = std::max<int64_t>(firstY, int64_t{top} + 1); y <= std::min(lastY, bottom - 1);
         ++y) {
        invertDot(picture, left, y);
        if (right != left) {
            invertDot(picture, right, y);
        }
    }
}

}  // namespace trimming
