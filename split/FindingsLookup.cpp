#include "split/FindingsLookup.h"

#include "split/FindingsText.h"

#include <QtConcurrent/QtConcurrentRun>

namespace split {

FindingsLookup::FindingsLookup(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcherBase::finished, this, [this] {
        const Result result = watcher_.result();
        // A later request's result follows; this one is out of date.
        if (result.path == latestPath_)
            emit found(result.path, result.line);
    });
}

// A measure still running works on its own copies and ends on its own.
FindingsLookup::~FindingsLookup() = default;

void FindingsLookup::lookUp(const SplitItem& item, const SplitOptions& options) {
    SplitOptions asked = options;
    asked.cutPlacement = CutPlacement::Gutter;
    asked.deskew = true;
    latestPath_ = item.sourcePath;
    watcher_.setFuture(QtConcurrent::run([item, asked] {
        const core::Expected<ItemFindings> findings = inspectItem(item, asked);
        const QString line =
            findings ? findingsLine(item.fileName, findings.value(), asked.deskewCap)
                     : QStringLiteral("%1: %2").arg(item.fileName, findings.error().message);
        return Result{item.sourcePath, line};
    }));
}

}  // namespace split
