#pragma once

#include "trimming/ViewFit.h"

#include <QImage>

namespace trimming {

// The picture as the view shows it: a viewWidth x viewHeight image
// (Format_RGB32, the fast format for painting) filled black, with `picture`
// drawn into the rectangle of `fit`. A fit that is not scaled draws the
// picture 1:1 at (fit.left, fit.top); a scaled fit draws it resized to
// fit.width x fit.height with smooth area averaging, so fine print on large
// scans stays readable. Parts outside the view (negative offsets of a tall
// picture) are cut off. A null picture or an empty view gives an all-black
// image (or a null image when the view size is not positive). QtGui only;
// safe on any thread.
QImage renderView(const QImage& picture, int viewWidth, int viewHeight, const ViewFit& fit);

}  // namespace trimming
