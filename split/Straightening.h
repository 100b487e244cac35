#pragma once

#include "imaging/PixelBuffer.h"
#include "model/SplitOptions.h"
#include "split/GutterSearch.h"
#include "split/SkewMeasure.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace split {

// What the automatic deskew did with one page.
enum class PageOutcome {
    Turned,        // turned straight by the measured angle
    UnderLeast,    // skew under kLeastDeskew: kept as it is
    OverCap,       // skew over the options' cap: kept as it is
    NotConfident,  // the measure is not trusted (blank page, picture ...): kept
};

// One page's measure and what came of it.
struct PageFindings {
    QString fileName;  // the page's output name, "p012_1.jpg"
    SkewMeasure measure;
    PageOutcome outcome = PageOutcome::NotConfident;

    bool kept() const { return outcome != PageOutcome::Turned; }
};

// What the new measures found for one selected image: where it was cut
// (when the gutter was searched, or the deskew is on and the image is cut)
// and each page's skew (when the deskew is on), in page order. Empty with
// both options off.
struct ItemFindings {
    std::optional<GutterFinding> cut;
    // True when the cut was searched at the gutter, false for a centre cut.
    bool gutterSearched = false;
    std::vector<PageFindings> pages;

    bool empty() const { return !cut && pages.empty(); }
    // Whether anything was left as it was: a page kept, or a searched
    // gutter not found (the image cut at its centre).
    bool anythingKept() const;
};

// The outcome of a measure under a cap: trusted angles from kLeastDeskew
// up to `cap` degrees (both included) are turned.
PageOutcome judgeSkew(const SkewMeasure& measure, double cap);

// How far either way the measure looks for a cap: a little beyond it, so
// that a page skewed past the cap is named as such.
double measureReach(double cap);

// Measures `page` (RGB888) as straightenPage does, into `findings` (its
// fileName left as it is), without turning it.
void measurePage(const QImage& page, double cap, PageFindings& findings);

// Measures `page` (RGB888) and turns it straight when judgeSkew allows,
// bringing in its own paper colour, into `into` (see PixelBuffer). The
// findings go to `findings` (its fileName is left as it is). A kept page
// comes back unchanged; nullopt when memory ran out.
std::optional<QImage> straightenPage(const QImage& page, double cap, imaging::PixelBuffer& into,
                                     PageFindings& findings);

}  // namespace split
