#include "split/Straightening.h"

#include "split/PageSurvey.h"
#include "split/PageTurn.h"

#include <algorithm>
#include <cmath>

namespace split {

namespace {

constexpr double kBeyondCap = 2.0;

}  // namespace

bool ItemFindings::anythingKept() const {
    if (gutterSearched && cut && !cut->found()) {
        return true;
    }
    return std::any_of(pages.begin(), pages.end(),
                       [](const PageFindings& page) { return page.kept(); });
}

PageOutcome judgeSkew(const SkewMeasure& measure, double cap) {
    if (!measure.confident) {
        return PageOutcome::NotConfident;
    }
    const double size = std::abs(measure.turn);
    if (size < kLeastDeskew) {
        return PageOutcome::UnderLeast;
    }
    if (size > cap) {
        return PageOutcome::OverCap;
    }
    return PageOutcome::Turned;
}

double measureReach(double cap) {
    return cap + kBeyondCap;
}

namespace {

// Measures `page` into `findings`; the survey, for the turn's paper colour.
PageSurvey measureInto(const QImage& page, double cap, PageFindings& findings) {
    PageSurvey survey = surveyPage(page);
    findings.measure = measureSkew(survey, measureReach(cap));
    findings.outcome = judgeSkew(findings.measure, cap);
    return survey;
}

}  // namespace

void measurePage(const QImage& page, double cap, PageFindings& findings) {
    measureInto(page, cap, findings);
}

std::optional<QImage> straightenPage(const QImage& page, double cap, imaging::PixelBuffer& into,
                                     PageFindings& findings) {
    const PageSurvey survey = measureInto(page, cap, findings);
    if (findings.kept()) {
        return page;
    }
    QImage turned = turnPage(page, findings.measure.turn, survey.paper, into);
    if (turned.isNull()) {
        return std::nullopt;
    }
    return turned;
}

}  // namespace split
