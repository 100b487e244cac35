#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace model {

// Automatic selection: every catalogue picture whose pixel size lies within
// a tolerance of a sample picture's size is selected, every other one
// unselected.

// The tolerance in pixels a program without a settings file starts with.
inline constexpr int kDesignedTolerance = 10;

// The tolerance the automatic selection uses for the settings box text:
// its number, read by the number-edit rules; an empty or invalid text
// gives 10 (the box's designed value) and a negative number gives 0.
int toleranceFromText(const QString& text);

// True when |W - SW| <= T and |H - SH| <= T (both bounds inclusive;
// computed without overflow). A negative tolerance matches nothing.
bool sizeMatches(QSize sample, QSize candidate, int tolerance);

// What every picture is compared with: the sample's pixel size and the
// tolerance of this run.
struct SizeSample {
    QSize size;
    int tolerance = 0;

    bool matches(QSize candidate) const { return sizeMatches(size, candidate, tolerance); }
};

// What becomes of one catalogue item's selection.
enum class SelectionVerdict {
    Select,    // its size matches the sample's
    Unselect,  // its size does not match
    Keep,      // its file is missing or unreadable: the item keeps its state
};

struct AutoSelection {
    enum class Outcome {
        Done,              // verdicts holds one entry per fileName
        NoSample,          // the sample index is not a catalogue item
        SampleMissing,     // no file at the sample's path: nothing is done
        SampleUnreadable,  // the sample's size cannot be read
    };
    Outcome outcome = Outcome::Done;
    std::vector<SelectionVerdict> verdicts;
    // Existing files of other items whose size could not be read (each one
    // is kept as it was); missing files are not counted.
    int unreadableCount = 0;
};

// Compares every item of the catalogue with item `sampleIndex`. Item i's
// file is `folder` joined with `fileNames[i]`. Sizes are read from the file
// headers only (imaging::readPictureSize); nothing is cached, so every run
// sees the files as they are now. Safe to call from any thread.
AutoSelection autoSelect(const QString& folder, const QStringList& fileNames, int sampleIndex,
                         int tolerance);

}  // namespace model
