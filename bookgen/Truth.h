#pragma once

#include "bookgen/ScanPainter.h"
#include "bookgen/ScanPlan.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace bookgen {

// What is known of one generated spread, to score the deskew and the
// gutter search against.
struct SpreadTruth {
    QString fileName;
    // How far the book lay turned, clockwise, in degrees: the page turn
    // that straightens it is the opposite.
    double skew = 0;
    // The fold's column at the middle row, and the print-free band round it.
    double fold = 0;
    GutterBand band;
    PageContent leftPage = PageContent::Text;
    PageContent rightPage = PageContent::Text;
};

// The truth of a planned spread whose gutter band is known.
SpreadTruth truthOf(const ScanPlan& plan, const GutterBand& band);

// "text", "vertical", "picture", "blank".
QString contentName(PageContent content);

// The truth file: a header line starting with "#", then one line per
// spread, tab-separated: file, skew, fold, band left, band right, left
// page, right page.
QByteArray truthFile(const std::vector<SpreadTruth>& spreads);

// Reads a truth file; nullopt when a line does not read.
std::optional<std::vector<SpreadTruth>> readTruthFile(const QByteArray& bytes);

}  // namespace bookgen
