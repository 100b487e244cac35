#pragma once

#include "split/ItemWork.h"
#include "split/SplitOptions.h"

#include <QFuture>
#include <QString>

#include <functional>
#include <map>
#include <optional>

namespace split {

// Runs the per-image work of the next few batch items on worker threads,
// so that images are decoded, cut and encoded while the batch writes the
// one before them. Results are handed out only for the index they were
// started for, so the batch still takes the items strictly in order. Work
// that is no longer wanted (a cancelled batch) is dropped: processItem
// writes nothing, so nothing reaches the disk.
//
// Use from one thread (the one that keeps the batch in order); the work
// itself runs on Qt's global thread pool.
class ItemPrefetch {
public:
    // At most `depth` items (at least 1) are in work at a time; each holds
    // one decoded image and its encoded pages, so this bounds the memory.
    ItemPrefetch(SplitOptions options, QString outputFolder, int depth);
    ~ItemPrefetch();
    ItemPrefetch(const ItemPrefetch&) = delete;
    ItemPrefetch& operator=(const ItemPrefetch&) = delete;

    // The depth that suits this machine: one item per processor core, at
    // most four.
    static int defaultDepth();

    // Keeps items `from` to from + depth - 1 (none past `last`) in work:
    // starts those not yet started, reading them through `itemAt`, and
    // drops work for items before `from`.
    void keepAhead(int from, int last, const std::function<SplitItem(int)>& itemAt);
    // Starts the work of item `index`, replacing earlier work for it.
    void start(int index, const SplitItem& item);
    // Whether work for `index` has been started and not yet taken.
    bool started(int index) const;
    // The work of item `index` once it is finished; nullopt while it is
    // still running or when no work for that index was started.
    std::optional<ItemWork> take(int index);
    // Drops all work in progress without waiting for it.
    void drop();

private:
    const SplitOptions options_;
    const QString outputFolder_;
    const int depth_;
    std::map<int, QFuture<ItemWork>> work_;
};

}  // namespace split
