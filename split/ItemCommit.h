#pragma once

#include "split/ItemWork.h"
#include "split/ProtectedFiles.h"

#include <QString>

namespace split {

// What writing one item's outputs came to.
struct CommitReport {
    int written = 0;  // files written or copied
    int skipped = 0;  // copies of a file onto itself, left alone
    int failed = 0;
    // The first failure: the target's file name and a message for the user.
    QString firstFailedFile;
    QString firstFailure;

    bool ok() const { return failed == 0; }
};

// Writes the planned outputs in order: bytes through imaging::commitFile
// (temporary file, then rename), copies through imaging::copyFileReplacing.
// A target that is a file of the open catalogue (`sources`) is never
// written: it counts as failed with a message saying so. A copy whose
// target is its own source is skipped, not failed. One failure does not
// stop the others. The item's own planning problem (ItemWork::problem) is
// not repeated here. Touches the file system; call it on the thread that
// keeps the batch in order.
CommitReport commitItem(const ItemWork& work, const ProtectedFiles& sources);

}  // namespace split
