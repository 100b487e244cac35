#include "split/ItemPrefetch.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace split {

ItemPrefetch::ItemPrefetch(SplitOptions options, QString outputFolder)
    : options_(std::move(options)), outputFolder_(std::move(outputFolder)) {}

// The pool keeps the task alive on its own; a finished result nobody takes
// is freed with the future's shared state.
ItemPrefetch::~ItemPrefetch() = default;

void ItemPrefetch::start(int index, const SplitItem& item) {
    index_ = index;
    // Everything the task needs is copied into it: it may outlive this object.
    work_ = QtConcurrent::run([item, options = options_, folder = outputFolder_] {
        return processItem(item, options, folder);
    });
}

bool ItemPrefetch::started(int index) const {
    return index_ >= 0 && index_ == index;
}

std::optional<ItemWork> ItemPrefetch::take(int index) {
    if (!started(index) || !work_.isFinished())
        return std::nullopt;
    ItemWork work = work_.takeResult();
    drop();
    return work;
}

void ItemPrefetch::drop() {
    index_ = -1;
    work_ = QFuture<ItemWork>();
}

}  // namespace split
