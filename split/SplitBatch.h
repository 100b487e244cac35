#pragma once

#include "core/OrderedReadAhead.h"
#include "model/SplitOptions.h"
#include "split/BatchFailures.h"
#include "split/FindingsText.h"
#include "split/ItemCommit.h"
#include "split/ItemWork.h"
#include "split/LosslessNotes.h"
#include "split/ProtectedFiles.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QThreadPool;

namespace split {

// What committing one item of the batch came to.
struct CommittedItem {
    int index = 0;
    // The item's own problem (file unreadable, too small to cut, memory ...)
    // and what writing its outputs gave.
    std::optional<ItemProblem> problem;
    CommitReport report;
    // When the item counted as failed (see BatchFailures): the file the
    // failure concerns.
    std::optional<QString> failedFile;
    // Where the image was cut and how its pages were straightened, when
    // the gutter search or the deskew is on (see ItemWork::findings).
    ItemFindings findings;
};

// One split batch over the items of a catalogue, without any widget: the
// options, the items, the output folder, the running number and total of
// the progress line, the failures, and the files no output may replace.
//
// Each item's work (decode, cut, trim, turn, encode: processItem) runs on
// worker threads, up to `readAhead` items ahead; the batch commits the
// results strictly in catalogue order on the thread that drives it, one
// item per call. A front end drives it either without blocking, from a
// timer (commitNextIfReady(): the window keeps answering between items), or
// blocking (commitNext(), run()). Cancelling drops the work in progress:
// nothing is written after the cancel, because only a commit writes.
//
// Use from one thread.
class SplitBatch {
public:
    // `items` in catalogue order; `sourceFolder` is the catalogue's folder,
    // whose last name the source-named subfolder takes. At most `readAhead`
    // items are in work at once (each holds its image and encoded pages) on
    // `pool`, Qt's global pool when null; a front end asked for N jobs
    // passes N and a pool of N threads.
    // `alsoProtected`: more files no output may replace besides the items'
    // own (a run over part of a folder protects the whole folder).
    SplitBatch(SplitOptions options, const QString& sourceFolder, std::vector<SplitItem> items,
               int readAhead = defaultReadAhead(), QThreadPool* pool = nullptr,
               const QStringList& alsoProtected = {});

    // The read-ahead for `workers` threads: one item in work per worker and
    // one more done and waiting to be written. The memory of a batch grows
    // with its workers, never with its items.
    static int readAheadFor(int workers);
    // readAheadFor(the processor cores).
    static int defaultReadAhead();

    // Makes the source-named subfolder when the options ask for it (one
    // level: the destination must exist) and starts the work of the first
    // items.
    // False when the output folder does not exist afterwards: the batch
    // still runs, and every write it tries fails and is counted.
    bool start();

    // Commits the next item when its work has finished; nullopt while it
    // is still in work, and once the batch has finished or was cancelled.
    std::optional<CommittedItem> commitNextIfReady();
    // Commits the next item, waiting for its work; nullopt once the batch
    // has finished or was cancelled.
    std::optional<CommittedItem> commitNext();
    // Commits item after item until the end, calling `committed` after
    // each; stops early (cancelling) when it returns false, or when
    // `stopRequested` (when given) returns true. That is asked between
    // items and every few milliseconds while an item's work is waited for,
    // so a stop is answered at once whatever the workers are doing.
    void run(const std::function<bool(const CommittedItem&)>& committed,
             const std::function<bool()>& stopRequested = {});
    // Drops the work in progress; nothing more is committed.
    void cancel();

    bool finished() const { return nextIndex_ >= itemCount(); }
    bool cancelled() const { return cancelled_; }

    const SplitOptions& options() const { return options_; }
    // The folder the outputs go to: the destination, or its source-named
    // subfolder.
    const QString& outputFolder() const { return outputFolder_; }
    int itemCount() const { return static_cast<int>(items_.size()); }
    const SplitItem& item(int index) const { return items_.at(static_cast<size_t>(index)); }
    // The item the next commit handles.
    int nextIndex() const { return nextIndex_; }
    // The running number of the progress line: 1 at the start, moved on by
    // every image handled (copies and new saves count one each).
    int number() const { return number_; }
    // What the running number counts to.
    int total() const { return total_; }
    // "3 / 12" for the progress line; nullopt once the number has passed
    // the total, so the line stops at the total.
    std::optional<QString> progressLine() const;
    const BatchFailures& failures() const { return failures_; }
    // The pages committed so far that note how they were written: with
    // lossless pages asked for, how many JPEG pages kept their blocks and
    // which were encoded again, and why (each item's share is in its
    // CommittedItem's report).
    const LosslessTally& lossless() const { return lossless_; }
    // The images and pages committed so far that were left as they were.
    const KeptAsTheyWere& keptAsTheyWere() const { return kept_; }

private:
    void keepAhead(int from);
    // The next item's result, waited for or only when ready, committed.
    std::optional<CommittedItem> takeAndCommit(bool wait);
    CommittedItem commit(core::Expected<ItemWork> result);
    void noteKept(const SplitItem& item, const ItemFindings& findings);

    const SplitOptions options_;
    const std::vector<SplitItem> items_;
    const QString outputFolder_;
    const ProtectedFiles sources_;
    WrittenFiles written_;
    const int total_;
    OrderedReadAhead<ItemWork> work_;
    BatchFailures failures_;
    LosslessTally lossless_;
    KeptAsTheyWere kept_;
    int nextIndex_ = 0;
    int number_ = 1;
    bool cancelled_ = false;
};

}  // namespace split
