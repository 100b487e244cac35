#include "split/BatchFailures.h"

#include <QCoreApplication>

namespace split {

std::optional<QString> BatchFailures::record(const SplitItem& item, const SplitOptions& options,
                                             const ItemWork& work, const CommitReport& report) {
    const bool wanted = item.selected || options.copyUnselected || options.resaveUnselected;
    // A wanted item that did not move the running number on had no source
    // file any more.
    const bool gone = wanted && work.numberStep == 0;
    if (!gone && !work.problem && report.ok())
        return std::nullopt;
    QString fileName = item.fileName;
    if (!gone)
        fileName = work.problem ? work.problem->fileName : report.firstFailedFile;
    if (count_ == 0)
        firstFileName_ = fileName;
    ++count_;
    return fileName;
}

QString completionMessage(int failedCount) {
    if (failedCount <= 0)
        return QCoreApplication::translate("split", "Done");
    return QCoreApplication::translate("split", "Done (%n could not be processed)", nullptr,
                                       failedCount);
}

}  // namespace split
