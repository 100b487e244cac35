#pragma once

#include "bookgen/Random.h"

#include <QPainter>
#include <QRectF>

namespace bookgen {

// A printed picture in `box`: a framed landscape of soft tones (sky, hills,
// a sun), drawn as amounts of ink so that it has the mid-tones a halftone
// photograph has on a scan.
void drawFigure(QPainter& ink, const QRectF& box, Random& random);

}  // namespace bookgen
