#pragma once

#include "bookgen/Random.h"

#include <QPainter>
#include <QRectF>

namespace bookgen {

// Sizes of a page's print, from the page's height.
struct PrintSize {
    double xHeight = 0;  // height of a lower-case letter, in pixels
    double linePitch = 0;

    static PrintSize forPageHeight(double pageHeight);
};

// Lays out one page of running text into the ink image `ink` (grey levels
// are amounts of ink): a running head, justified paragraphs with indented
// first lines, now and then a chapter opening or a figure with its
// legend, and the page number below the text. `page` is the page in the
// scan's pixels; `leftHand` puts the wider (outer) margin on the left.
// `pageNumber` 0 prints no number.
void layOutTextPage(QPainter& ink, const QRectF& page, bool leftHand, int pageNumber,
                    Random& random);

// One line of words centred on `centre`, `words` long, at the given
// x-height, in full ink.
void drawCentredLine(QPainter& ink, QPointF centre, int words, double xHeight, Random& random);

}  // namespace bookgen
