#pragma once

#include "split/ItemWork.h"
#include "split/LosslessNotes.h"
#include "split/ProtectedFiles.h"

#include <QHash>
#include <QString>

namespace split {

// The files a batch has written so far, each with the image it came from:
// a later image whose output would take the same name is refused rather
// than replacing the earlier one's (x.jpg and x.bmp both make x_1.jpg).
class WrittenFiles {
public:
    // The image that wrote `path` earlier in the batch, if one did.
    std::optional<QString> writerOf(const QString& path) const;
    void note(const QString& path, const QString& imageName);

private:
    static QString keyOf(const QString& path);
    QHash<QString, QString> writers_;
};

// What writing one item's outputs came to.
struct CommitReport {
    int written = 0;  // files written or copied
    int skipped = 0;  // copies of a file onto itself, left alone
    int failed = 0;
    // The first failure: the target's file name and a message for the user.
    QString firstFailedFile;
    QString firstFailure;
    // The pages written that note how they were written (a JPEG's pages
    // with lossless pages asked for), by file name.
    LosslessTally lossless;

    bool ok() const { return failed == 0; }
};

// Writes the planned outputs of image `imageName` in order: bytes through
// imaging::commitFile (temporary file, then rename), copies through
// imaging::copyFileReplacing. A target that is a file of the open catalogue
// (`sources`), or that an earlier image of the batch has written
// (`written`), is never written: it counts as failed with a message that
// names the image (and the earlier one). A copy whose target is its own
// source is skipped, not failed. One failure does not stop the others. A
// page written that notes how it was written is counted in `lossless`. The
// item's own planning problem (ItemWork::problem) is not repeated here.
// Touches the file system; call it on the thread that keeps the batch in
// order.
CommitReport commitItem(const ItemWork& work, const QString& imageName,
                        const ProtectedFiles& sources, WrittenFiles& written);

}  // namespace split
