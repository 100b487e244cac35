#pragma once

#include "imaging/CoefficientStore.h"
#include "imaging/PictureIo.h"
#include "imaging/PixelBuffer.h"
#include "model/SplitOptions.h"
#include "split/LosslessNotes.h"
#include "split/SplitGeometry.h"
#include "split/Straightening.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace split {

// One catalogue item as the batch sees it.
struct SplitItem {
    QString sourcePath;  // folder + file name
    QString fileName;    // with its extension
    bool selected = false;
};

// A file to write: the bytes are already encoded. A page of a JPEG source
// written with lossless pages asked for notes how it was written.
struct PlannedWrite {
    QString targetPath;
    QByteArray bytes;
    std::optional<LosslessNote> lossless;
};

// A source file to copy unchanged.
struct PlannedCopy {
    QString sourcePath;
    QString targetPath;
};

using PlannedOutput = std::variant<PlannedWrite, PlannedCopy>;

// Why an item produced no (or not all) output: a message for the user and
// the name of the file it concerns.
struct ItemProblem {
    QString message;
    QString fileName;
};

// What one item of the batch asks to be written, in the order of writing.
struct ItemWork {
    std::vector<PlannedOutput> outputs;
    std::optional<ItemProblem> problem;
    // How much the batch's running number grows for this item: 1 for a
    // selected image whose file exists (even when it cannot be decoded),
    // 1 for each of copy and re-save of an unselected one whose file
    // exists (also when the copy fails later), 0 for a missing file.
    int numberStep = 0;
    // Where a selected image was cut and how each page was straightened,
    // when the gutter search or the deskew is on; empty otherwise.
    ItemFindings findings;
};

// The work of one item, without touching the output folder. Names are the
// base name of the file name (everything from its last "." removed) plus
// "_1"/"_2" and ".jpg"/".bmp", all in `outputFolder`.
//
// Selected item whose file exists: decode, cut (the centre width falls back
// to 0 for this image alone when it does not fit), trim the margins of each
// part when on, turn each part when on, encode as JPEG at the quality or as
// BMP; "なし" gives one part, still named "_1". With the gutter search on
// the cut runs at the gutter found (the centre when none is); with the
// deskew on each part is measured and turned straight right after the cut,
// before its margins (see straightenPage); both are noted in the findings.
// Any failure (undecodable file, image too small to cut, memory, encoder)
// gives a problem and no output at all for the item.
//
// With lossless pages asked for, a selected JPEG written as JPEG keeps its
// blocks instead (see LosslessWork.h); each of its pages notes how it was
// written.
//
// Unselected item whose file exists: with copyUnselected a copy to
// outputFolder/fileName; with resaveUnselected base + ".jpg"/".bmp", margins
// trimmed when on, never cut, never turned, never straightened.
//
// Missing source file: nothing, number unchanged.
//
// Running out of memory anywhere on the way is a problem like any other
// ("メモリが足りません"): nothing is thrown.
//
// Pure apart from reading the source file: safe to call from a worker
// thread, several items at once. Each thread keeps the large buffers of
// the work (see ItemWorkspace) from one item to the next in a workspace of
// its own, freed when the thread ends.
ItemWork processItem(const SplitItem& item, const SplitOptions& options,
                     const QString& outputFolder);

// The large buffers of one item's work, kept for the next item so that a
// long batch touches fresh memory once, not for every image: the source
// file's bytes and decoded pixels, the quarter-turned part of a BMP page
// (a JPEG page is turned while it is encoded, without a copy), and the JPEG
// of one page while it is encoded (the outputs themselves are copies of
// their exact size), the straightened page of the deskew, and the packed
// coefficients of a JPEG whose pages keep its blocks. Each grows to the
// largest image it has met and stays there: at most one decoded image, one
// straightened and one turned part, one image's coefficients and their
// files. The cut parts and trimmed pages are views into the decoded image
// (or the straightened page) and need no memory.
struct ItemWorkspace {
    imaging::ReadBuffers reading;
    imaging::PixelBuffer straightened;
    imaging::PixelBuffer turned;
    QByteArray encoded;
    imaging::CoefficientStore coefficients;
};

// processItem with the buffers of `workspace`: the same results, item for
// item, whatever the workspace held before. One workspace serves one
// thread at a time.
ItemWork processItem(const SplitItem& item, const SplitOptions& options,
                     const QString& outputFolder, ItemWorkspace& workspace);

// The cut of a selected image, `picture` decoded, as processItem makes it:
// at the gutter found when the gutter search is on (the centre when none
// is), else at the centre; the cut noted in `findings` when the gutter
// search or the deskew is on. The errors of cutImage.
core::Expected<SplitParts> cutSelected(const QImage& picture, const SplitOptions& options,
                                       ItemFindings& findings);

// A page of a selected image that the deskew turned, from its straightened
// pixels, finished and encoded as processItem finishes a page (margins,
// quarter turn, JPEG quality or BMP) and added to `work`, noted as written
// again for NotLosslessReason::Straightened. False, with the item's problem
// set, when it fails.
bool planStraightenedPage(const QImage& page, const QString& targetPath, const SplitItem& item,
                          const SplitOptions& options, ItemWorkspace& workspace, ItemWork& work);

// What processItem would find for `item` as a selected image, without
// making its pages: the cut (when the gutter search or the deskew is on)
// and each page's measure and outcome (when the deskew is on), the pages
// named as processItem names them. For a dry run. The error of a file that
// cannot be read or cut. Safe to call from worker threads.
core::Expected<ItemFindings> inspectItem(const SplitItem& item, const SplitOptions& options);

}  // namespace split
