#pragma once

#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

namespace bookgen {

// What a scan shows.
enum class ScanKind {
    Spread,      // two facing text pages with the gutter between them
    TitlePage,   // one page: a few centred title lines
    Plate,       // one page: a large picture with a legend
    FrontCover,  // cloth cover with the title
    BackCover,   // plain cloth with a small emblem
};

// What one page of a spread shows.
enum class PageContent {
    Text,          // running text in horizontal lines
    VerticalText,  // Japanese text set in vertical columns
    Picture,       // a plate: a picture filling most of the page, a legend
    Blank,         // nothing at all
};

// How a scan is stored.
enum class ScanFormat {
    ColourJpeg,  // 3-component JPEG
    GreyJpeg,    // 1-component JPEG, as a scanner's greyscale mode writes
    Bmp,         // 24-bit uncompressed Windows bitmap
};

// One scan of a generated book. Everything it shows follows from these
// fields, so the same plan always gives the same pixels.
struct ScanPlan {
    QString fileName;
    ScanKind kind = ScanKind::Spread;
    ScanFormat format = ScanFormat::ColourJpeg;
    QSize size;
    // The printed number of the left (or only) page; 0 prints none.
    int firstPageNumber = 0;
    std::uint64_t seed = 0;
    // A spread's two pages, left and right.
    PageContent leftPage = PageContent::Text;
    PageContent rightPage = PageContent::Text;
    // How far the book lay turned on the scanner: clockwise on screen, in
    // degrees, about the scan's centre (print, shadows and all).
    double skew = 0;
    // Where a spread's fold lies before the turn, from the centre, as a
    // share of the width (positive: right of the centre). Both pages are
    // half the scan wide, so the page on the far side runs off the scan.
    double foldOffset = 0;
};

// The fold's column in a scan of `plan`: where the fold line crosses the
// middle row, after the turn.
double foldAtMiddle(const ScanPlan& plan);

// A benchmark corpus: `count` spreads of `spreadSize`, all colour JPEG,
// named "p001.jpg", "p002.jpg", ... (more digits when `count` needs them,
// so names sort the same in plain and natural order).
std::vector<ScanPlan> corpusPlan(int count, QSize spreadSize, std::uint64_t seed);

// A corpus for the automatic deskew and the gutter search: `count` spreads
// of `spreadSize`, colour JPEG, named like corpusPlan's, each turned by a
// known angle within +-5 degrees and with its fold off centre by up to 15 %
// of the width, both uniform. About a third are Japanese books set in
// vertical columns; one page in eight is a picture and one in ten blank.
std::vector<ScanPlan> crookedCorpusPlan(int count, QSize spreadSize, std::uint64_t seed);

// The demo book: 24 scans p001 ... p024 of an A5 book scanned at 150 dpi
// (spreads 1754 x 1240, single pages 877 x 1240): front cover, title page,
// eighteen spreads of which p012 is greyscale, a picture plate stored as
// BMP (p021.bmp), two more spreads and the back cover.
std::vector<ScanPlan> demoPlan();

}  // namespace bookgen
