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
};

// A benchmark corpus: `count` spreads of `spreadSize`, all colour JPEG,
// named "p001.jpg", "p002.jpg", ... (more digits when `count` needs them,
// so names sort the same in plain and natural order).
std::vector<ScanPlan> corpusPlan(int count, QSize spreadSize, std::uint64_t seed);

// The demo book: 24 scans p001 ... p024 of an A5 book scanned at 150 dpi
// (spreads 1754 x 1240, single pages 877 x 1240): front cover, title page,
// eighteen spreads of which p012 is greyscale, a picture plate stored as
// BMP (p021.bmp), two more spreads and the back cover.
std::vector<ScanPlan> demoPlan();

}  // namespace bookgen
