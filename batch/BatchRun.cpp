#include "batch/BatchRun.h"

#include "batch/BatchItems.h"
#include "core/OrderedReadAhead.h"
#include "split/FindingsText.h"
#include "split/OutputFolder.h"
#include "split/OutputNames.h"
#include "split/SplitBatch.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThreadPool>

#include <utility>

namespace batch {

namespace {

QString reasonOf(const split::CommittedItem& item) {
    if (item.problem) {
        return item.problem->message;
    }
    if (!item.report.firstFailure.isEmpty()) {
        return item.report.firstFailure;
    }
    return QStringLiteral("ファイルがありません");
}

// Names what the listing could not take, each a failure; their count.
int reportUnlisted(const BatchRequest& request, const SourceListing& listing,
                   BatchConsole& console) {
    if (!listing.readable) {
        console.failure(request.sourceFolder, QStringLiteral("フォルダを読めません"));
        return 1;
    }
    for (const model::UnlistedPicture& entry : listing.unlisted) {
        console.failure(entry.shownName, entry.reason);
    }
    return static_cast<int>(listing.unlisted.size());
}

bool measuresOn(const split::SplitOptions& options) {
    return options.deskew || options.cutPlacement == split::CutPlacement::Gutter;
}

// The dry run: the files each item would give, each selected image's cut
// and page angles first when the measures are on (the images are read for
// them, `request.jobs` at a time on `workers`).
int listTargets(const BatchRequest& request, const SourceListing& listing, BatchConsole& console,
                const std::atomic<bool>& interrupted, QThreadPool& workers) {
    int failures = reportUnlisted(request, listing, console);
    const QString folder = split::outputFolderFor(request.options.destination, request.sourceFolder,
                                                  request.options.sourceNamedSubfolder);
    const bool measure = measuresOn(request.options);
    workers.setMaxThreadCount(request.jobs);
    OrderedReadAhead<split::ItemFindings> findings(split::SplitBatch::readAheadFor(request.jobs),
                                                   &workers);
    const int count = static_cast<int>(listing.items.size());
    for (int index = 0; index < count; ++index) {
        const split::SplitItem& item = listing.items[static_cast<size_t>(index)];
        if (measure && item.selected) {
            findings.keepAhead(index, count, [&](int entry) {
                return [item = listing.items[static_cast<size_t>(entry)],
                        options = request.options]() -> core::Expected<split::ItemFindings> {
                    if (!item.selected) {
                        return split::ItemFindings{};
                    }
                    return split::inspectItem(item, options);
                };
            });
            const auto found = findings.waitAndTake(index);
            if (interrupted.load()) {
                console.error(QStringLiteral("中断しました"));
                return kInterrupted;
            }
            if (found && found->ok()) {
                console.listed(
                    split::findingsLine(item.fileName, found->value(), request.options.deskewCap));
            } else if (found) {
                console.failure(item.fileName, found->error().message);
                ++failures;
                continue;
            }
        }
        for (const QString& path : split::plannedTargets(item, request.options, folder)) {
            console.listed(path);
        }
    }
    return failures > 0 ? kSomeFailed : kNothingFailed;
}

}  // namespace

int runBatch(const BatchRequest& request, BatchConsole& console,
             const std::atomic<bool>& interrupted, QThreadPool& workers) {
    if (!QFileInfo(request.sourceFolder).isDir()) {
        console.error(
            QStringLiteral("元フォルダがありません: %1").arg(oneLine(request.sourceFolder)));
        return kBadArguments;
    }
    if (!QFileInfo(request.options.destination).isDir()) {
        console.error(QStringLiteral("保存先フォルダがありません: %1")
                          .arg(oneLine(request.options.destination)));
        return kBadArguments;
    }
    SourceListing listing = listSource(request);
    if (request.dryRun) {
        return listTargets(request, listing, console, interrupted, workers);
    }

    QElapsedTimer clock;
    clock.start();
    workers.setMaxThreadCount(request.jobs);
    split::SplitBatch batch(request.options, request.sourceFolder, std::move(listing.items),
                            split::SplitBatch::readAheadFor(request.jobs), &workers,
                            listing.allPaths);
    if (!batch.start()) {
        console.error(
            QStringLiteral("保存先フォルダを作れません: %1").arg(oneLine(batch.outputFolder())));
        return kSomeFailed;
    }

    BatchSummary summary;
    const int unlisted = reportUnlisted(request, listing, console);
    batch.run(
        [&](const split::CommittedItem& item) {
            ++summary.images;
            summary.filesWritten += item.report.written;
            if (item.failedFile) {
                console.failure(*item.failedFile, reasonOf(item));
            }
            if (item.findings.anythingKept()) {
                console.note(split::findingsLine(batch.item(item.index).fileName, item.findings,
                                                 request.options.deskewCap));
            }
            console.progress(item.index + 1, batch.itemCount(), clock.elapsed() / 1000.0,
                             batch.item(item.index).fileName);
            return true;
        },
        [&] { return interrupted.load(); });
    summary.failures = unlisted + batch.failures().count();
    summary.seconds = clock.elapsed() / 1000.0;
    console.summary(summary);
    if (batch.cancelled()) {
        console.error(QStringLiteral("中断しました"));
        return kInterrupted;
    }
    return summary.failures > 0 ? kSomeFailed : kNothingFailed;
}

}  // namespace batch
