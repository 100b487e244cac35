#pragma once

#include "bookgen/Random.h"

#include <QPainter>
#include <QRectF>

namespace bookgen {

// Lays out one page of vertically set Japanese text into the ink image
// `ink`: columns of square characters on the grid of the page, read from
// the right, paragraphs opening one character down and ending part way
// down a column, now and then a punctuation mark at the top right of its
// cell, the page number centred below. Characters are made of the strokes
// kanji and kana are made of (bars, boxes, sweeps, dots); to a measure of
// a scan a column of them is a column of print. `page` is the page in the
// scan's pixels; `leftHand` puts the wider (outer) margin on the left.
// `pageNumber` 0 prints none.
void layOutVerticalTextPage(QPainter& ink, const QRectF& page, bool leftHand, int pageNumber,
                            Random& random);

}  // namespace bookgen
