#pragma once

#include <QImage>
#include <QRgb>

namespace split {

// A page seen at a glance, for the measures that decide how to straighten
// it: a grey copy reduced by a whole factor, the colour of its paper, and
// the grey level that parts ink from paper.
struct PageSurvey {
    // Format_Grayscale8, one pixel for each `scale` x `scale` block of the
    // page (partial blocks at the right and bottom edges dropped): the mean
    // grey, (red + green + blue) / 3, of the block's first row, so the rows
    // between are never read. Null for a page smaller than one block.
    QImage grey;
    int scale = 1;
    // The most common colour of the page: its paper (the mean colour of the
    // blocks of every fourth row whose grey lies near the most common grey
    // level).
    QRgb paper = qRgb(255, 255, 255);
    // Grey levels below this are ink: halfway between the paper and the
    // darkest print, and at most 55 % of the paper's level, so the shadow
    // of a gutter or a page edge stays paper.
    int inkBelow = 0;
};

// The reduction for a page: its long side brought to about 1,750 pixels
// (1,200 to 2,600), so that a text line of a page scanned at 300 dpi is
// measured on some thousand pixels.
int surveyScale(int width, int height);

// Surveys an RGB888 page (other formats are converted first) at
// surveyScale, or at `scale` when given. Pure; safe from any thread.
PageSurvey surveyPage(const QImage& page, int scale = 0);

}  // namespace split
