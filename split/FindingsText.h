#pragma once

#include "split/Straightening.h"

#include <QString>

namespace split {

// The findings of one image on one line, as the dry run prints them and
// the program can show them:
//
//   p012.jpg: cut 2511 (gutter)  p012_1.jpg: -0.84 deg  p012_2.jpg: -0.79 deg, not confident: kept
//
// The cut is named for an image that is cut (its source: gutter, or
// centre, or centre because no gutter was found); each page with the turn
// the deskew applies or measured, and why a kept page was kept. Angles in
// degrees with two decimals, clockwise positive. English source texts
// through Qt's translation (context "split").
QString findingsLine(const QString& imageName, const ItemFindings& findings, double cap);

// Why a page was kept, as in findingsLine ("not confident"), or empty for
// a turned page.
QString keptReason(PageOutcome outcome, double cap);

}  // namespace split
