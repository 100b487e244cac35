#include "batch/BatchRun.h"

#include "batch/BatchItems.h"
#include "core/OrderedReadAhead.h"
#include "split/FindingsText.h"
#include "split/LosslessWork.h"
#include "split/OutputFolder.h"
#include "split/OutputNames.h"
#include "split/SplitBatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThreadPool>

#include <optional>
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
    return QCoreApplication::translate("batch", "There is no file");
}

// Names what the listing could not take, each a failure; their count.
int reportUnlisted(const BatchRequest& request, const SourceListing& listing,
                   BatchConsole& console) {
    if (!listing.readable) {
        console.failure(request.sourceFolder,
                        QCoreApplication::translate("batch", "The folder cannot be read"));
        return 1;
    }
    for (const model::UnlistedPicture& entry : listing.unlisted) {
        console.failure(entry.shownName, entry.reason);
    }
    return static_cast<int>(listing.unlisted.size());
}

// How the item's pages would be written, into `tally`; false (the failure
// reported) when its file cannot be read. `findings`, when the measures
// are on, say where the image is cut and which pages are turned.
bool planLossless(const split::SplitItem& item, const split::SplitOptions& options,
                  const split::ItemFindings* findings, split::ItemWorkspace& workspace,
                  split::LosslessTally& tally, BatchConsole& console) {
    const auto pages = split::plannedLosslessPages(item, options, workspace, findings);
    if (!pages) {
        console.failure(item.fileName, pages.error().message);
        return false;
    }
    for (const split::PlannedPage& page : *pages) {
        tally.add(page.fileName, page.note);
    }
    return true;
}

bool measuresOn(const split::SplitOptions& options) {
    return options.deskew || options.cutPlacement == split::CutPlacement::Gutter;
}

// The dry run: the files each item would give, each selected image's cut
// and page angles first when the measures are on (the images are read for
// them, `request.jobs` at a time on `workers`), and how the pages would be
// written when lossless pages are asked for.
int listTargets(const BatchRequest& request, const SourceListing& listing, BatchConsole& console,
                const std::atomic<bool>& interrupted, QThreadPool& workers) {
    int failures = reportUnlisted(request, listing, console);
    const QString folder = split::outputFolderFor(request.options.destination, request.sourceFolder,
                                                  request.options.sourceNamedSubfolder);
    const bool measure = measuresOn(request.options);
    workers.setMaxThreadCount(request.jobs);
    OrderedReadAhead<split::ItemFindings> findings(split::SplitBatch::readAheadFor(request.jobs),
                                                   &workers);
    split::ItemWorkspace workspace;
    split::LosslessTally lossless;
    const int count = static_cast<int>(listing.items.size());
    for (int index = 0; index < count; ++index) {
        const split::SplitItem& item = listing.items[static_cast<size_t>(index)];
        std::optional<split::ItemFindings> measured;
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
                console.error(QCoreApplication::translate("batch", "Stopped"));
                return kInterrupted;
            }
            if (found && found->ok()) {
                measured = found->value();
                console.listed(
                    split::findingsLine(item.fileName, *measured, request.options.deskewCap));
            } else if (found) {
                console.failure(item.fileName, found->error().message);
                ++failures;
                continue;
            }
        }
        for (const QString& path : split::plannedTargets(item, request.options, folder)) {
            console.listed(path);
        }
        if (request.options.lossless &&
            !planLossless(item, request.options, measured ? &*measured : nullptr, workspace,
                          lossless, console)) {
            ++failures;
        }
    }
    if (request.options.lossless) {
        console.plannedLossless(lossless);
    }
    return failures > 0 ? kSomeFailed : kNothingFailed;
}

}  // namespace

int runBatch(const BatchRequest& request, BatchConsole& console,
             const std::atomic<bool>& interrupted, QThreadPool& workers) {
    if (!QFileInfo(request.sourceFolder).isDir()) {
        console.error(QCoreApplication::translate("batch", "The source folder does not exist: %1")
                          .arg(oneLine(request.sourceFolder)));
        return kBadArguments;
    }
    if (!QFileInfo(request.options.destination).isDir()) {
        console.error(
            QCoreApplication::translate("batch", "The destination folder does not exist: %1")
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
            QCoreApplication::translate("batch", "The destination folder cannot be made: %1")
                .arg(oneLine(batch.outputFolder())));
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
    if (request.options.lossless) {
        summary.lossless = batch.lossless();
    }
    summary.seconds = clock.elapsed() / 1000.0;
    console.summary(summary);
    if (batch.cancelled()) {
        console.error(QCoreApplication::translate("batch", "Stopped"));
        return kInterrupted;
    }
    return summary.failures > 0 ? kSomeFailed : kNothingFailed;
}

}  // namespace batch
