#pragma once

#include "split/ItemCommit.h"
#include "split/ItemWork.h"

#include <QString>

#include <optional>

namespace split {

// The items of a batch that did not come out whole, for the end notice. An
// item counts once, whether its file had gone, could not be read, or one or
// more of its outputs could not be written. An item that asks for nothing
// (unselected, neither copied nor saved anew) never fails.
class BatchFailures {
public:
    // Counts the item when it failed, and then returns the file its failure
    // concerns: the source that had gone or could not be read, or the first
    // output that could not be written.
    std::optional<QString> record(const SplitItem& item, const SplitOptions& options,
                                  const ItemWork& work, const CommitReport& report);

    int count() const { return count_; }
    // The file the first failure concerns.
    const QString& firstFileName() const { return firstFileName_; }

private:
    int count_ = 0;
    QString firstFileName_;
};

// The end notice's message: "Done", with how many items failed when any
// did.
QString completionMessage(int failedCount);

}  // namespace split
