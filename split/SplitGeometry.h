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
//
// A cut found elsewhere (at the gutter: `cut` instead of hw or hh) takes
// each part whole, each of its own size: (0, 0, cut-C, H) and
// (cut+C, 0, W, H) for a left-right cut, and so on.
struct SplitGeometry {
    // The centre width actually used for this image: the requested width,
    // or 0 when it is not smaller than the half being cut (the strip would
    // swallow the page). The fallback holds for this image only; the next
    // image of a batch is measured against the requested width again.
    int centreWidth = 0;
    // The size of both parts at the centre; of the first part at a cut
    // found elsewhere, whose second part is its rectangle's size.
    QSize partSize;
    bool atCentre = true;
    imaging::PixelRect first;
    std::optional<imaging::PixelRect> second;

    bool operator==(const SplitGeometry&) const = default;
};

// The geometry for a width x height image, cut at the centre or, when
// `cut` is given (and the direction cuts), at that column or row. A
// negative centre width counts as 0; at a given cut the centre width falls
// back to 0 when it is not smaller than either side. An image whose part
// would be less than one pixel wide or high (for example a 1-pixel-wide
// image cut left-right, an empty image, a cut at an edge) gives an error
// instead of empty parts.
core::Expected<SplitGeometry> splitGeometry(int width, int height, SplitDirection direction,
                                            int centreWidth, std::optional<int> cut = std::nullopt);

// The cut parts of one image in RGB888: both of SplitGeometry::partSize at
// the centre, each of its own size at a cut found elsewhere.
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
                                    int centreWidth, std::optional<int> cut = std::nullopt);

}  // namespace split
