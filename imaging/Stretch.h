#pragma once

#include <QImage>

namespace imaging {

// A rectangle by its edges: left and top inclusive, right and bottom
// exclusive, so the width is right - left.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// Nearest-neighbour stretch of `from` in `source` onto `to` in `target`
// (both Format_RGB888). Target pixel (tx, ty) takes source pixel
//
//     sx = from.left + ((tx - to.left) * from.width()) / to.width()
//     sy = from.top  + ((ty - to.top)  * from.height()) / to.height()
//
// in integer arithmetic (64-bit products, quotient truncated). So equal
// sizes copy 1:1, a wider source drops columns (a source one column wider
// than the target loses its last column) and a narrower one repeats them; no
// smoothing. Target pixels outside `target` are not written and source
// positions outside `source` are not read; empty rectangles copy nothing.
void stretchCopy(const QImage& source, const PixelRect& from, QImage& target, const PixelRect& to);

// A new RGB888 image of the given size filled with one colour; a null image
// when the size is not positive or cannot be allocated.
QImage filledImage(int width, int height, QRgb colour);

// The 1:1 copy of `from` (clipped to `source`) as a new RGB888 image.
QImage copyRect(const QImage& source, const PixelRect& from);

}  // namespace imaging
