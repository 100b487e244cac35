#include "split/ItemCommit.h"

#include "imaging/FileCommit.h"

#include <QDir>
#include <QFileInfo>

namespace split {

namespace {

QString protectedMessage() {
    return QStringLiteral("元の画像を上書きしてしまうため保存しませんでした");
}

void recordFailure(CommitReport& report, const QString& target, const QString& message) {
    if (report.failed == 0) {
        report.firstFailedFile = QFileInfo(target).fileName();
        report.firstFailure = message;
    }
    ++report.failed;
}

bool isSelfCopy(const PlannedCopy& copy) {
    const auto clean = [](const QString& path) {
        return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    };
    return clean(copy.sourcePath) == clean(copy.targetPath) ||
           imaging::isSameFile(copy.sourcePath, copy.targetPath);
}

}  // namespace

CommitReport commitItem(const ItemWork& work, const ProtectedFiles& sources) {
    CommitReport report;
    for (const PlannedOutput& output : work.outputs) {
        if (const auto* write = std::get_if<PlannedWrite>(&output)) {
            if (sources.protects(write->targetPath)) {
                recordFailure(report, write->targetPath, protectedMessage());
                continue;
            }
            const auto status = imaging::commitFile(write->targetPath, write->bytes);
            if (status) {
                ++report.written;
            } else {
                recordFailure(report, write->targetPath, status.error().message);
            }
            continue;
        }
        const auto& copy = std::get<PlannedCopy>(output);
        if (isSelfCopy(copy)) {
            ++report.skipped;
            continue;
        }
        if (sources.protects(copy.targetPath)) {
            recordFailure(report, copy.targetPath, protectedMessage());
            continue;
        }
        const auto status = imaging::copyFileReplacing(copy.sourcePath, copy.targetPath);
        if (status) {
            ++report.written;
        } else {
            recordFailure(report, copy.targetPath, status.error().message);
        }
    }
    return report;
}

}  // namespace split
