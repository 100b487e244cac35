#pragma once

#include "model/SplitOptions.h"

#include <QImage>

namespace split {

// What the gutter's cut was found from.
enum class GutterSign {
    None,    // nothing clear: the cut stays at the centre
    Shadow,  // the darkest paper of the band, where the pages fold in
    Gap,     // the middle of the one wide gap without print between two pages
};

// Where a spread is cut.
struct GutterFinding {
    // The first column (for a left-right cut) or row (for an upper-lower
    // cut) of the far part, before any centre strip is taken off: the found
    // gutter, or the centre (width / 2 or height / 2) when none was found.
    int cut = 0;
    GutterSign sign = GutterSign::None;

    bool found() const { return sign != GutterSign::None; }
};

// The middle band searched, as shares of the width (or height): the
// gutter of a spread photographed or laid off centre lies within it.
inline constexpr double kGutterBandStart = 0.35;
inline constexpr double kGutterBandEnd = 0.65;

// Searches the gutter of `spread` (any format; RGB888 is read directly)
// across the direction's cut: columns for → and ←, rows for ↓ and ↑ (for
// "なし" the centre, not found). Each column from 30 to 70 % of the width,
// on a copy reduced to some 600 pixels across, gives the level of its
// paper (the nine-tenths mark of its grey levels, so print and pictures do
// not darken it) and how much ink it holds (pixels well darker than that
// paper). The cut goes
//   - to the darkest paper of the band, when the paper there lies at least
//     5 % below the brightest columns read (the shadow of the fold) and the
//     column holds no print;
//   - else to the middle of the widest run of print-free columns with print
//     on both sides, whose middle lies in the band, when it is at least 1 %
//     of the width wide and half as wide again as any other such run;
//   - else to the centre, not found.
// Pure; safe to call from several threads at once.
GutterFinding findGutter(const QImage& spread, SplitDirection direction);

}  // namespace split
