#include "split/SplitBatch.h"

#include "split/BatchProgress.h"
#include "split/OutputFolder.h"

#include <QFileInfo>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <utility>

namespace split {

namespace {

QStringList sourcePathsOf(const std::vector<SplitItem>& items) {
    QStringList paths;
    paths.reserve(static_cast<qsizetype>(items.size()));
    for (const SplitItem& item : items)
        paths << item.sourcePath;
    return paths;
}

int selectedCountOf(const std::vector<SplitItem>& items) {
    return static_cast<int>(std::count_if(items.begin(), items.end(),
                                          [](const SplitItem& item) { return item.selected; }));
}

}  // namespace

SplitBatch::SplitBatch(SplitOptions options, const QString& sourceFolder,
                       std::vector<SplitItem> items, int readAhead, QThreadPool* pool,
                       const QStringList& alsoProtected)
    : options_(std::move(options)),
      items_(std::move(items)),
      outputFolder_(
          outputFolderFor(options_.destination, sourceFolder, options_.sourceNamedSubfolder)),
      sources_(sourcePathsOf(items_) + alsoProtected),
      total_(batchTotal(itemCount(), selectedCountOf(items_), options_)),
      work_(readAhead, pool) {}

int SplitBatch::readAheadFor(int workers) {
    return std::max(workers, 1) + 1;
}

int SplitBatch::defaultReadAhead() {
    return readAheadFor(QThread::idealThreadCount());
}

bool SplitBatch::start() {
    const bool ready = options_.sourceNamedSubfolder ? ensureFolder(outputFolder_)
                                                     : QFileInfo(outputFolder_).isDir();
    keepAhead(nextIndex_);
    return ready;
}

void SplitBatch::keepAhead(int from) {
    work_.keepAhead(from, itemCount(), [this](int index) {
        // A copy of all the work needs: it may outlive the batch.
        return [item = items_[static_cast<size_t>(index)], options = options_,
                folder = outputFolder_]() -> core::Expected<ItemWork> {
            return processItem(item, options, folder);
        };
    });
}

std::optional<CommittedItem> SplitBatch::commitNextIfReady() {
    return takeAndCommit(false);
}

std::optional<CommittedItem> SplitBatch::commitNext() {
    return takeAndCommit(true);
}

std::optional<CommittedItem> SplitBatch::takeAndCommit(bool wait) {
    if (cancelled_ || finished())
        return std::nullopt;
    keepAhead(nextIndex_);
    auto result = wait ? work_.waitAndTake(nextIndex_) : work_.takeIfReady(nextIndex_);
    if (!result)
        return std::nullopt;
    return commit(std::move(*result));
}

void SplitBatch::run(const std::function<bool(const CommittedItem&)>& committed,
                     const std::function<bool()>& stopRequested) {
    constexpr int kPollMilliseconds = 1;
    while (!cancelled_ && !finished()) {
        if (stopRequested && stopRequested()) {
            cancel();
            return;
        }
        const auto item = stopRequested ? commitNextIfReady() : commitNext();
        if (!item) {
            QThread::msleep(kPollMilliseconds);
            continue;
        }
        if (!committed(*item)) {
            cancel();
            return;
        }
    }
}

void SplitBatch::cancel() {
    cancelled_ = true;
    work_.drop();
}

CommittedItem SplitBatch::commit(core::Expected<ItemWork> result) {
    const int index = nextIndex_;
    const SplitItem& item = items_[static_cast<size_t>(index)];
    // The items after this one are worked on while it is written.
    keepAhead(index + 1);

    ItemWork work;
    if (result) {
        work = std::move(result).value();
    } else {
        // processItem throws nothing; should anything escape it all the
        // same, the item failed without output.
        work.problem = ItemProblem{result.error().message, item.fileName};
    }
    CommittedItem committed;
    committed.index = index;
    committed.report = commitItem(work, item.fileName, sources_, written_);
    lossless_.add(committed.report.lossless);
    committed.failedFile = failures_.record(item, options_, work, committed.report);
    committed.problem = std::move(work.problem);
    noteKept(item, work.findings);
    committed.findings = std::move(work.findings);
    number_ += work.numberStep;
    ++nextIndex_;
    return committed;
}

void SplitBatch::noteKept(const SplitItem& item, const ItemFindings& findings) {
    if (findings.gutterSearched && findings.cut && !findings.cut->found()) {
        kept_.centredImages << item.fileName;
    }
    for (const PageFindings& page : findings.pages) {
        if (page.kept()) {
            kept_.pages.push_back({item.fileName, page});
        }
    }
}

std::optional<QString> SplitBatch::progressLine() const {
    return split::progressLine(number_, total_);
}

}  // namespace split
