#pragma once

#include "imaging/Stretch.h"

#include <QImage>

namespace split {

// A rectangle of an RGB888 picture (clipped to it) as a picture of its own
// that shares the source's pixels instead of copying them: a read-only
// view whose rows are the source's rows, keeping the source's pixel memory
// alive for as long as the view lives. Writing to the view (bits(),
// setPixel) makes Qt detach it into a private copy first, so neither
// picture can change the other. Costs no pixel copy, which matters for the
// large parts of a split (tens of megabytes each). Falls back to a copy
// when the source is not RGB888. An empty rectangle gives a null picture.
// Safe to use from any thread (QImage's sharing is atomic).
QImage sharedCrop(const QImage& picture, const imaging::PixelRect& box);

}  // namespace split
