#include "split/BatchFailures.h"

namespace split {

void BatchFailures::record(const SplitItem& item, const SplitOptions& options, const ItemWork& work,
                           const CommitReport& report) {
    const bool wanted = item.selected || options.copyUnselected || options.resaveUnselected;
    // A wanted item that did not move the running number on had no source
    // file any more.
    const bool gone = wanted && work.numberStep == 0;
    if (!gone && !work.problem && report.ok())
        return;
    if (count_ == 0) {
        if (gone) {
            firstFileName_ = item.caption;
        } else {
            firstFileName_ = work.problem ? work.problem->fileName : report.firstFailedFile;
        }
    }
    ++count_;
}

QString completionMessage(int failedCount) {
    const QString done = QStringLiteral("完了");
    if (failedCount <= 0)
        return done;
    return done + QStringLiteral("（%1件は処理できませんでした）").arg(failedCount);
}

}  // namespace split
