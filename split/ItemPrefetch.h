#pragma once

#include "split/ItemWork.h"
#include "split/SplitOptions.h"

#include <QFuture>
#include <QString>

#include <optional>

namespace split {

// Runs the per-image work of one batch item on a worker thread, so that the
// next image is decoded, cut and encoded while the batch writes the current
// one. At most one item is in work at a time, and its result is handed out
// only for the index it was started for, so the batch still takes the items
// strictly in order. Work that is no longer wanted (a cancelled batch) is
// dropped: processItem writes nothing, so nothing reaches the disk.
//
// Use from one thread (the one that keeps the batch in order); the work
// itself runs on Qt's global thread pool.
class ItemPrefetch {
public:
    ItemPrefetch(SplitOptions options, QString outputFolder);
    ~ItemPrefetch();
    ItemPrefetch(const ItemPrefetch&) = delete;
    ItemPrefetch& operator=(const ItemPrefetch&) = delete;

    // Starts the work of item `index`, dropping any other work in progress.
    void start(int index, const SplitItem& item);
    // Whether work for `index` has been started and not yet taken.
    bool started(int index) const;
    // The work of item `index` once it is finished; nullopt while it is
    // still running or when no work for that index was started.
    std::optional<ItemWork> take(int index);
    // Drops the work in progress without waiting for it.
    void drop();

private:
    const SplitOptions options_;
    const QString outputFolder_;
    int index_ = -1;
    QFuture<ItemWork> work_;
};

}  // namespace split
