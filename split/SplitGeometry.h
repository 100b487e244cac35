#pragma once

#include "core/Error.h"
#include "imaging/Stretch.h"
#include "model/SplitOptions.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace split {

// Where the parts of one image come from. Rectangles are in the pixels of
// the whole image, left/top inclusive, right/bottom exclusive.
//
// With hw = width / 2 and hh = height / 2 (integer halves, truncated) and
// C the centre width in use, both parts are (hw - C) x height for a
// left-right cut and width x (hh - C) for an upper-lower cut:
//
//   Right: first (0, 0, hw-C, H)    second (hw+C, 0, W, H)
//   Left:  first (hw+C, 0, W, H)    second (0, 0, hw-C, H)
//   Down:  first (0, 0, W, hh-C)    second (0, hh+C, W, H)
//   Up:    first (0, hh+C, W, H)    second (0, 0, W, hh-C)
//   None:  first (0, 0, W, H)       no second part
//
// The far part (right or lower) runs to the image's edge, so for an odd
// width or height it is one column or row wider than the part and is
// scaled into it.
struct SplitGeometry {
    // The centre width actually used for this image: the requested width,
    // or 0 when it is not smaller than the half being cut (the strip would
    // swallow the page). The fallback holds for this image only; the next
    // image of a batch is measured against the requested width again.
    int centreWidth = 0;
    QSize partSize;
    imaging::PixelRect first;
    std::optional<imaging::PixelRect> second;

    bool operator==(const SplitGeometry&) const = default;
};

// The geometry for a width x height image. A negative centre width counts
// as 0. An image whose part would be less than one pixel wide or high (for
// example a 1-pixel-wide image cut left-right, or an empty image) gives an
// error instead of empty parts.
core::Expected<SplitGeometry> splitGeometry(int width, int height, SplitDirection direction,
                                            int centreWidth);

// The cut parts of one image, both of SplitGeometry::partSize, in RGB888.
struct SplitParts {
    QImage first;
    std::optional<QImage> second;
    int centreWidth = 0;
};

// Cuts `picture` (any format; converted to RGB888 first when needed) by
// splitGeometry. Each part takes its pixels 1:1 and shares the picture's
// memory (see sharedCrop); a far part one pixel wider or higher is scaled
// into the part's size by nearest neighbour, which comes to dropping its
// last column or row, so it is a view as well. Errors: the image is too
// small to cut, or memory runs out. Pure; safe to call from any thread.
core::Expected<SplitParts> cutImage(const QImage& picture, SplitDirection direction,
                                    int centreWidth);

}  // namespace split
