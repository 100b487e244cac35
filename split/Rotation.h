#pragma once

#include "imaging/PixelBuffer.h"
#include "model/SplitOptions.h"

#include <QImage>

namespace split {

// A quarter turn of a W x H picture into an H x W RGB888 picture. Source
// pixel (x, y), 0 <= x < W, 0 <= y < H, lands on
//
//   TurnDirection::Left  (counter-clockwise): (y, W - 1 - x)
//   TurnDirection::Right (clockwise):         (H - 1 - y, x)
//
// so a left turn brings the top-right corner to the top-left and a right
// turn the bottom-left corner. Every pixel is copied exactly once, tile by
// tile so that both pictures are read and written in cache-sized blocks.
// Images not in Format_RGB888 are converted first. A null picture gives a
// null picture, as does running out of memory. Pure; safe to call from any
// thread.
QImage turnQuarter(const QImage& picture, TurnDirection direction);

// The same turn written into `into`'s memory (see PixelBuffer: valid until
// its next use). A picture that itself lives in `into` is turned into a
// new picture instead.
QImage turnQuarter(const QImage& picture, TurnDirection direction, imaging::PixelBuffer& into);

}  // namespace split
