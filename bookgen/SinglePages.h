#pragma once

#include "bookgen/Random.h"

#include <QPainter>
#include <QRectF>

namespace bookgen {

// The ink of the pages that are not running text, each filling `page` (in
// the scan's pixels) of the ink image `ink`.

// Title, subtitle and author centred in the upper half, an ornament, the
// publisher at the foot.
void layOutTitlePage(QPainter& ink, const QRectF& page, Random& random);

// A picture filling most of the page with a two-line legend below it.
void layOutPlate(QPainter& ink, const QRectF& page, Random& random);

// The foil stamping of a cloth cover: a ruled frame, the title in large
// letters, the author, an emblem.
void layOutFrontCover(QPainter& ink, const QRectF& page, Random& random);

// A small emblem low on the back cover.
void layOutBackCover(QPainter& ink, const QRectF& page);

}  // namespace bookgen
