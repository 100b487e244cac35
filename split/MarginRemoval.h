#pragma once

#include "imaging/Stretch.h"

#include <QImage>

namespace split {

// Margin removal against the colour of the top-left pixel.
//
// The grey level of a pixel is (red + green + blue) / 3 on the integer sum,
// truncated. With bg the grey level of pixel (0, 0), a pixel is content when
// |grey - bg| > threshold (a difference of exactly `threshold` is margin).
//
// The box is the bounding box of all content pixels (left/top inclusive,
// right/bottom exclusive), widened by `keep` on every side and clamped to
// the image. When no pixel is content the box is the whole image. A
// negative `keep` counts as 0. Any threshold is accepted; 255 or more makes
// every pixel margin.
//
// Cost: the rows above and below the content are read once each; between
// them only the left and right margins of each row are read. An image
// without content costs one pass. Pure; safe to call from any thread.
// Images not in Format_RGB888 are converted first. A null image gives an
// empty box.
imaging::PixelRect marginBox(const QImage& picture, int threshold, int keep);

// The marginBox of `picture` as an RGB888 image with the same pixels. It
// shares the source's pixel memory (see sharedCrop) instead of copying, so
// trimming costs only the scan. A null result means memory ran out.
QImage removeMargins(const QImage& picture, int threshold, int keep);

}  // namespace split
