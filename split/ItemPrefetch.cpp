#include "split/ItemPrefetch.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace split {

ItemPrefetch::ItemPrefetch(SplitOptions options, QString outputFolder, int depth)
    : options_(std::move(options)),
      outputFolder_(std::move(outputFolder)),
      depth_(std::max(1, depth)) {}

// The pool keeps running tasks alive on its own; a result nobody takes is
// freed with the future's shared state.
ItemPrefetch::~ItemPrefetch() = default;

int ItemPrefetch::defaultDepth() {
    return std::clamp(QThread::idealThreadCount(), 1, 4);
}

void ItemPrefetch::keepAhead(int from, int last, const std::function<SplitItem(int)>& itemAt) {
    const auto stale = work_.lower_bound(from);
    for (auto it = work_.begin(); it != stale; ++it)
        it->second.cancel();
    work_.erase(work_.begin(), stale);
    const int end = std::min(last, from + depth_ - 1);
    for (int index = from; index <= end; ++index) {
        if (!started(index))
            start(index, itemAt(index));
    }
}

void ItemPrefetch::start(int index, const SplitItem& item) {
    // Everything the task needs is copied into it: it may outlive this object.
    work_[index] = QtConcurrent::run([item, options = options_, folder = outputFolder_] {
        return processItem(item, options, folder);
    });
}

bool ItemPrefetch::started(int index) const {
    return work_.contains(index);
}

std::optional<ItemWork> ItemPrefetch::take(int index) {
    const auto found = work_.find(index);
    if (found == work_.end() || !found->second.isFinished())
        return std::nullopt;
    ItemWork work = found->second.takeResult();
    work_.erase(found);
    return work;
}

void ItemPrefetch::drop() {
    work_.clear();
}

}  // namespace split
