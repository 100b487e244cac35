#pragma once

#include "bookgen/ScanPlan.h"

#include <QImage>

namespace bookgen {

// The columns of a spread around its fold that hold no print from top to
// bottom, [left, right): where a straight cut parts the pages cleanly. At
// most a page's inner margin (9 % of half the width) either side of the
// fold; empty (left == right) when print crosses the fold.
struct GutterBand {
    int left = 0;
    int right = 0;

    bool holds(int column) const { return column >= left && column < right; }
};

// The pixels of one planned scan as a flatbed scanner delivers them:
// RGB888 of plan.size, always the same for the same plan. A null image
// when memory runs out. For a spread, `band` (when given) receives its
// gutter band.
QImage paintScan(const ScanPlan& plan, GutterBand* band = nullptr);

}  // namespace bookgen
