#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace split {

// Why a page of a JPEG source was encoded again although lossless pages
// were asked for (SplitOptions::lossless).
enum class NotLosslessReason {
    // The picture is too small for a cut on its block grid: the cut would
    // leave a page without a single block.
    TooSmallForGrid,
    // A quarter turn needs the page's edge that becomes its top (left
    // turn) or left (right turn) on the block grid; the page reaches the
    // picture's edge there, so it cannot be widened to the grid.
    TurnOffGrid,
    // CMYK, YCCK or an unknown colour space: its blocks are not kept.
    ColoursNotKept,
    // The deskew turned the page: its pixels moved off the blocks.
    Straightened,
};

// The reason as the summary and the end notice show it.
QString notLosslessText(NotLosslessReason reason);

// How one page of a JPEG source was written when lossless pages were asked
// for: with the source's blocks (no reason), or encoded again.
struct LosslessNote {
    std::optional<NotLosslessReason> reencoded;

    bool operator==(const LosslessNote&) const = default;
};

// A page written that was encoded again, by its file name.
struct ReencodedPage {
    QString fileName;
    NotLosslessReason reason = NotLosslessReason::TurnOffGrid;

    bool operator==(const ReencodedPage&) const = default;
};

// The lossless pages of a batch (or of one item): how many pages kept their
// blocks, and which were encoded again and why, in the order written.
struct LosslessTally {
    int lossless = 0;
    std::vector<ReencodedPage> reencoded;

    int pages() const { return lossless + static_cast<int>(reencoded.size()); }
    void add(const QString& fileName, const LosslessNote& note);
    void add(const LosslessTally& other);

    bool operator==(const LosslessTally&) const = default;
};

// One page encoded again as lists show it: "p012_1.jpg: not lossless: why".
QString notLosslessLine(const QString& fileName, NotLosslessReason reason);

// For the end notice of a batch with lossless pages asked for: "38 of 40
// JPEG pages lossless", and the pages encoded again, one "name: why" line
// each. Both empty when the batch wrote no JPEG page of a JPEG source.
QString losslessCountLine(const LosslessTally& tally);
QString losslessDetails(const LosslessTally& tally);

}  // namespace split
