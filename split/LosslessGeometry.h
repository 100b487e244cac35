#pragma once

#include "core/Error.h"
#include "imaging/Stretch.h"
#include "model/SplitOptions.h"
#include "split/LosslessNotes.h"

#include <QSize>

#include <optional>
#include <vector>

namespace split {

// Where the pages of a lossless split lie. A JPEG page keeps its source's
// blocks only when its left and top edges lie on the source's block grid
// (`grid`, the file's MCU in pixels: 8 or 16 each way); its right and
// bottom edges may lie anywhere. The rules move today's edges as little as
// that needs (rectangles in source pixels, right/bottom exclusive; today's
// geometry is splitGeometry's):
//
// - Cut without centre removal: the cut at the half (or at the gutter
//   found, `cut`) moves down (left or up) to the nearest grid line, at
//   most one grid cell, so it stays in the gutter; both pages keep their
//   blocks.
// - Cut with centre removal: the near page (left or upper) ends exactly
//   where it does today; the far page starts at the first grid line at or
//   after where it starts today, so the strip between them is at least as
//   wide as today's.
// - "なし": the whole picture.
// - Margin removal: the box is found on today's part exactly as today;
//   its left and top edges move out to the grid (at most one cell of
//   margin more, never less content), right and bottom stay.
// - Quarter turn: the page's edge that becomes its top (left turn) or left
//   (right turn) must lie on the grid as well: the page's right (bottom)
//   edge moves out to the next grid line when the picture reaches that
//   far; otherwise the page is encoded again (TurnOffGrid).
//
// A cut that would leave a page without a single whole cell falls back to
// today's parts, each encoded again (TooSmallForGrid). Pages are in
// reading order: the first is written with "_1".
struct LosslessPage {
    imaging::PixelRect rect;
    // Set when the page is encoded from pixels instead of keeping blocks.
    std::optional<NotLosslessReason> reencoded;

    bool operator==(const LosslessPage&) const = default;
};

// The pages without margin removal, for a picture of `picture` pixels,
// cut at the half or, given `cut`, there (as splitGeometry takes it). The
// errors of splitGeometry (a picture too small to cut at all).
core::Expected<std::vector<LosslessPage>> losslessPages(QSize picture, QSize grid,
                                                        const SplitOptions& options,
                                                        std::optional<int> cut = std::nullopt);

// Today's parts as the cut takes them (splitGeometry's rectangles at the
// part's size at the half, whole at a given `cut`), in reading order:
// where margin removal looks for its box. The errors of splitGeometry.
core::Expected<std::vector<imaging::PixelRect>> todaysParts(QSize picture,
                                                            const SplitOptions& options,
                                                            std::optional<int> cut = std::nullopt);

// The page made of `box`, margin removal's box on today's part in source
// pixels.
LosslessPage losslessPageFromBox(const imaging::PixelRect& box, QSize picture, QSize grid,
                                 const SplitOptions& options);

}  // namespace split
