#pragma once

#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

namespace bookgen {

// What the scanner sees besides the print: the colour of the surface, the
// colour of the ink on it, and how grainy the surface is.
struct Surface {
    std::array<int, 3> base;  // red, green, blue
    std::array<int, 3> ink;
    int grain = 0;  // noise reaches +-grain grey levels

    // Off-white book paper with black print; `tint` shifts the paper a
    // little, as sheets of one book differ.
    static Surface paper(int tint);
    // Dark blue book cloth with gold stamping.
    static Surface cloth();
};

// How much light reaches each column and each row (1 = full light). The
// light of a pixel is the product of its column's and its row's.
struct Lighting {
    std::vector<float> columns;
    std::vector<float> rows;

    // A two-page spread: the gutter shadow down the middle, the outer edges
    // slightly darker.
    static Lighting spread(QSize size);
    // The same with the fold at column `fold` (the pages half the scan wide
    // on either side of it, their outer edges shaded where they fall).
    static Lighting spread(QSize size, double fold);
    // One page or a cover: a narrow shadow along the bound (left) edge.
    static Lighting page(QSize size, float bindingShadow);
};

// The scan: the surface under the lighting, grain that follows `seed`, and
// the ink laid over it, where `ink` (Format_Grayscale8, same size) holds
// the amount of ink of each pixel (0 none, 255 full). RGB888.
QImage composeScan(const QImage& ink, const Surface& surface, const Lighting& lighting,
                   std::uint64_t seed);
// The same for a book lying turned by `skew` degrees (clockwise on screen)
// about the scan's centre: the lighting turns with the book (the grain,
// the scanner's own, does not). At 0 it is composeScan's.
QImage composeScan(const QImage& ink, const Surface& surface, const Lighting& lighting,
                   std::uint64_t seed, double skew);

}  // namespace bookgen
