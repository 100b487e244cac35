#pragma once

#include "core/ConsoleText.h"
#include "split/LosslessNotes.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace batch {

// What a finished (or interrupted) run did, for its last line.
struct BatchSummary {
    int images = 0;  // handled, so far fewer when interrupted
    int filesWritten = 0;
    int failures = 0;
    double seconds = 0;
    // With lossless pages asked for: the JPEG pages written, how many kept
    // their blocks and which did not.
    std::optional<split::LosslessTally> lossless;
};

// The one-line summary: "Images 40, files written 80, failures 0, 12.3 s".
QString summaryLine(const BatchSummary& summary);

// The lines that follow the summary when lossless pages were asked for:
// "38 of 40 JPEG pages written losslessly" (or, for a dry run, "would be
// written"), then one line for each page encoded again, with its name and
// why.
QStringList losslessLines(const split::LosslessTally& tally, bool dryRun);

// The progress bar of a terminal: "[#####.....]  12/40  3.1 images/s  0:09 left".
// Before the first image is done the speed and the time left are not shown.
QString progressBar(int done, int total, double seconds);

// Every name and path the console writes goes through core::oneLine.
using core::oneLine;

// Where a run reports. Progress goes to `err`: a bar redrawn in place on a
// terminal, one plain line per image otherwise; failures go to `err`, each
// on its own line with its file and reason; the summary and the dry run's
// list go to `out`.
class BatchConsole {
public:
    BatchConsole(std::FILE* out, std::FILE* err, bool terminal, bool quiet);
    BatchConsole(const BatchConsole&) = delete;
    BatchConsole& operator=(const BatchConsole&) = delete;

    void progress(int done, int total, double seconds, const QString& fileName);
    void failure(const QString& fileName, const QString& reason);
    // A message about the run (missing folder, ...); the caller passes the
    // names in it through oneLine.
    void error(const QString& message);
    void listed(const QString& path);
    // A line about an image that was not a failure (a page kept as it was),
    // to `err` like the progress; not shown when quiet.
    void note(const QString& line);
    void summary(const BatchSummary& summary);
    // A dry run's lossless lines, after its list.
    void plannedLossless(const split::LosslessTally& tally);

private:
    static void write(std::FILE* stream, const QString& line);

    std::FILE* out_;
    std::FILE* err_;
    core::ProgressLine bar_;
    const bool quiet_;
};

}  // namespace batch
