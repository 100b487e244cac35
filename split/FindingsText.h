#pragma once

#include "split/Straightening.h"

#include <QString>
#include <QStringList>

#include <vector>

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

// What a batch left as it was, for its end notice: the images whose gutter
// was searched and not found (cut at the centre), and the pages the deskew
// kept as they were, each with its image and the reason.
struct KeptAsTheyWere {
    struct Page {
        QString imageName;
        PageFindings page;
    };
    QStringList centredImages;
    std::vector<Page> pages;

    bool empty() const { return centredImages.isEmpty() && pages.empty(); }
};

// For the end notice of a batch: "2 pages kept as they were, 1 image cut at
// its centre" (only the parts that are not 0), and one line for each, as
// "p012_2.jpg: 0.01 deg, under 0.05 deg: kept" and "p013.jpg: cut at the
// centre, no gutter found". Both empty when nothing was left as it was.
QString keptCountLine(const KeptAsTheyWere& kept);
QString keptDetails(const KeptAsTheyWere& kept, double cap);

// Why a page was kept, as in findingsLine ("not confident"), or empty for
// a turned page.
QString keptReason(PageOutcome outcome, double cap);

}  // namespace split
