#pragma once

#include "split/PageSurvey.h"

#include <QImage>

namespace split {

// Why a measure is not trusted.
enum class SkewDoubt {
    None,     // trusted
    Blank,    // next to no print on the page
    Picture,  // print, but too few lines of text: a picture, a plate
    Unclear,  // lines of text, but no clear best angle
};

// Which lines the measure followed.
enum class TextLines {
    Horizontal,  // rows of text, as Western and horizontally set books print
    Vertical,    // columns of text, as vertically set Japanese books print
};

// The skew of one page as its lines of text show it.
struct SkewMeasure {
    // The turn that straightens the page, in degrees, clockwise positive as
    // turnPage takes it: a page whose lines run down to the right by 1
    // degree measures -1.
    double turn = 0;
    bool confident = false;
    SkewDoubt doubt = SkewDoubt::Blank;
    TextLines lines = TextLines::Horizontal;
};

// Measures the skew of `page` (any format; RGB888 is read directly) within
// `reach` degrees either way, on a binarised reduced copy (PageSurvey),
// for rows and for columns of text, keeping the one with the wider gaps
// between its lines when both are trusted. The
// angle is found by Leptonica's differential square sum of the rows of
// the sheared page: a coarse sweep on a reduced copy, then interval halving
// to a fiftieth of a degree. The result is trusted only when the page
// holds enough print (0.2 % of it ink), the straightened rows (or columns)
// fall into at least five separate lines, and the best angle stands out
// from the others (Leptonica's confidence at least 1.3). Angles found at
// the edge of the reach are not trusted. Blank pages fail the first test,
// pictures the second. Pure; safe to call
// from several threads at once.
SkewMeasure measureSkew(const QImage& page, double reach);
SkewMeasure measureSkew(const PageSurvey& survey, double reach);

}  // namespace split
