#pragma once

#include <QImage>

namespace trimming {

// The frame outline as the view draws it: a one-pixel dotted rectangle made
// by inverting the colour of the pixels it covers, so that drawing it a
// second time at the same place restores the picture exactly (draw = show,
// draw again = erase).
//
// The rectangle is left, top, width, height in picture pixels; right and
// bottom are exclusive, so the outline runs along columns left and
// left + width - 1 and rows top and top + height - 1. Every other pixel
// along it is inverted, in a checkerboard fixed to the picture ((x + y)
// even), so the dots of two edges meet cleanly at the corners. Each pixel
// of the outline is inverted once, also for a rectangle one pixel wide or
// high. Parts outside the picture are skipped; a rectangle without area
// draws nothing. `picture` must be Format_RGB32 (as renderView makes it);
// other formats are left untouched.
void invertFocusOutline(QImage& picture, int left, int top, int width, int height);

}  // namespace trimming
