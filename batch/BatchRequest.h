#pragma once

#include "model/SplitOptions.h"

#include <QSize>
#include <QString>

namespace batch {

// Which images of the source folder count as selected (the rest are
// unselected and handled as the options say: skipped, copied or saved anew).
enum class SelectionRule {
    All,
    None,
    // The images whose pixel size lies within `tolerance` of `sampleSize`,
    // as the catalogue's automatic selection would pick them.
    BySampleSize,
};

// One part of a folder split among several runs: the images numbered
// `index`, index + count, index + 2 count ... (numbered from 1 in folder
// order). Runs with the same count and every index from 1 to count handle
// each image exactly once.
struct Shard {
    int index = 1;
    int count = 1;

    bool holds(int imageNumber) const { return (imageNumber - index) % count == 0; }
};

// Everything one command-line batch run needs.
struct BatchRequest {
    QString sourceFolder;
    // Its destination is the destination folder as given.
    split::SplitOptions options;
    SelectionRule selection = SelectionRule::All;
    QSize sampleSize;
    int tolerance = 10;
    // Worker threads, and so images decoded at once.
    int jobs = 1;
    Shard shard;
    // List what would be written, write nothing.
    bool dryRun = false;
    // No progress and no summary; failures are still reported.
    bool quiet = false;
};

}  // namespace batch
