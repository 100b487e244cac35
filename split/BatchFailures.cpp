#include "split/BatchFailures.h"

namespace split {

void BatchFailures::record(const ItemWork& work, const CommitReport& report) {
    if (!work.problem && report.ok())
        return;
    if (count_ == 0) {
        firstFileName_ = work.problem ? work.problem->fileName : report.firstFailedFile;
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
