#pragma once

#include "imaging/Stretch.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace catalogue {

// Where a picture of a given size lands in its S x S catalogue thumbnail.
//
// All sizes are in pixels. Offsets and scaled sizes are computed in double
// precision, quotient first, then truncated toward zero (never rounded):
// - W <= S and H <= S: the picture is drawn unscaled at
//   (trunc((S - W) / 2), trunc((S - H) / 2)).
// - Otherwise, with slow reading on and W > 4S and H > 4S (both strictly),
//   the picture is first reduced to trunc(W / 4) x trunc(H / 4), and that
//   reduced size is what is scaled below.
// - W > H: dw = S, dh = trunc((H / W) * S); otherwise (square included)
//   dh = S, dw = trunc((W / H) * S). The rectangle's top-left corner is
//   (trunc((S - dw) / 2), trunc((S - dh) / 2)).
// A very thin picture can get dw or dh 0: nothing of it is drawn.
// Where (H / W) * S is mathematically a whole number, the rounded double
// quotient can fall just below it and give one pixel less (a few in a
// hundred thousand sizes); the rule is kept as stated so that every machine
// draws the same thumbnail.
struct ThumbnailPlan {
    // The size the picture is first reduced to, when slow reading applies.
    std::optional<QSize> reducedSize;
    // Where the (reduced) picture is stretched to inside the thumbnail;
    // right and bottom exclusive. Its size equals the picture's when it is
    // drawn unscaled.
    imaging::PixelRect target;

    bool operator==(const ThumbnailPlan&) const = default;
};

// The plan for a picture of `pictureSize` in a thumbnail of `side` pixels.
// An empty picture size or a side below 1 gives an empty target.
ThumbnailPlan planThumbnail(QSize pictureSize, int side, bool slowReading);

// The side x side RGB888 thumbnail of `picture`: filled with `background`,
// then the picture drawn as planThumbnail says, every stretch by nearest
// neighbour (imaging::stretchCopy; no smoothing). A null picture or a side
// below 1 gives a null image. Safe to call from any thread.
QImage buildThumbnail(const QImage& picture, int side, bool slowReading, QRgb background);

}  // namespace catalogue
