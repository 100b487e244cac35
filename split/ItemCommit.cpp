#include "split/ItemCommit.h"

#include "imaging/FileCommit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace split {

namespace {

QString protectedMessage(const QString& imageName) {
    return QCoreApplication::translate("split",
                                       "Not saved: a page of %1 would replace a source picture")
        .arg(imageName);
}

QString takenMessage(const QString& imageName, const QString& earlierImage) {
    return QCoreApplication::translate("split",
                                       "Not saved: a page of %1 has the name of a page of %2")
        .arg(imageName, earlierImage);
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

std::optional<QString> WrittenFiles::writerOf(const QString& path) const {
    const auto found = writers_.constFind(keyOf(path));
    return found == writers_.constEnd() ? std::nullopt : std::optional(*found);
}

void WrittenFiles::note(const QString& path, const QString& imageName) {
    writers_.insert(keyOf(path), imageName);
}

QString WrittenFiles::keyOf(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

CommitReport commitItem(const ItemWork& work, const QString& imageName,
                        const ProtectedFiles& sources, WrittenFiles& written) {
    CommitReport report;
    for (const PlannedOutput& output : work.outputs) {
        const auto* write = std::get_if<PlannedWrite>(&output);
        const auto* copy = std::get_if<PlannedCopy>(&output);
        const QString& target = write ? write->targetPath : copy->targetPath;
        if (copy && isSelfCopy(*copy)) {
            ++report.skipped;
            continue;
        }
        if (sources.protects(target)) {
            recordFailure(report, target, protectedMessage(imageName));
            continue;
        }
        if (const auto earlier = written.writerOf(target)) {
            recordFailure(report, target, takenMessage(imageName, *earlier));
            continue;
        }
        const auto status = write ? imaging::commitFile(target, write->bytes)
                                  : imaging::copyFileReplacing(copy->sourcePath, target);
        if (status) {
            ++report.written;
            written.note(target, imageName);
            if (write && write->lossless) {
                report.lossless.add(QFileInfo(target).fileName(), *write->lossless);
            }
        } else {
            recordFailure(report, target, status.error().message);
        }
    }
    return report;
}

}  // namespace split
