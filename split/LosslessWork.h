#pragma once

#include "core/Error.h"
#include "model/SplitOptions.h"
#include "split/ItemWork.h"
#include "split/LosslessNotes.h"

#include <QString>

#include <vector>

namespace split {

// The work of a selected image whose file SplitOptions::keepsBlocksOf: a
// JPEG whose pages keep its compressed blocks. The pages lie where
// LosslessGeometry.h says; each is written from the file's coefficients
// (imaging::LosslessJpeg), or, where it cannot keep them, encoded from the
// decoded picture at the options' quality as the pages of other images
// are. Without margin removal the picture is decoded only for such a page;
// with it the picture is decoded once, from the coefficients read, so the
// Huffman data is decoded once either way. Outputs, names and problems as
// processItem's; each PlannedWrite notes how its page was written.
//
// With the gutter search or the deskew on, the picture is decoded (once,
// as with margins) and measured as processItem measures it: the cut found
// moves to the grid as a cut at the half does, and a page the deskew turns
// is written from its straightened pixels as without lossless pages, noted
// NotLosslessReason::Straightened; a page it keeps keeps its blocks. The
// findings go to work.findings as processItem's.
void planLosslessImage(const SplitItem& item, const SplitOptions& options,
                       const QString& outputFolder, ItemWorkspace& workspace, ItemWork& work);

// One page of a dry run: its file name and how it would be written.
struct PlannedPage {
    QString fileName;
    LosslessNote note;

    bool operator==(const PlannedPage&) const = default;
};

// The pages planLosslessImage would write for `item`, without encoding
// anything: reads the file's header, and decodes the picture only when
// margin removal and a quarter turn are both on (the turn's rule then
// depends on the margins found). With the gutter search or the deskew on,
// `findings` are the image's (inspectItem's): the cut found, and the pages
// the deskew turns, which are written again. Empty when the item does not
// take the lossless path (not selected, not a JPEG, BMP output). The errors
// of reading the file.
core::Expected<std::vector<PlannedPage>> plannedLosslessPages(
    const SplitItem& item, const SplitOptions& options, ItemWorkspace& workspace,
    const ItemFindings* findings = nullptr);

}  // namespace split
