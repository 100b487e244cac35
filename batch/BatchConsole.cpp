#include "batch/BatchConsole.h"

#include <QCoreApplication>

namespace batch {

QString summaryLine(const BatchSummary& summary) {
    return QCoreApplication::translate("batch", "Images %1, files written %2, failures %3, %4 s")
        .arg(summary.images)
        .arg(summary.filesWritten)
        .arg(summary.failures)
        .arg(summary.seconds, 0, 'f', 1);
}

QStringList losslessLines(const split::LosslessTally& tally, bool dryRun) {
    QStringList lines;
    lines << (dryRun
                  ? QCoreApplication::translate("batch",
                                                "%1 of %2 JPEG pages would be written losslessly")
                  : QCoreApplication::translate("batch", "%1 of %2 JPEG pages written losslessly"))
                 .arg(tally.lossless)
                 .arg(tally.pages());
    for (const split::ReencodedPage& page : tally.reencoded)
        lines << split::notLosslessLine(oneLine(page.fileName), page.reason);
    return lines;
}

QString progressBar(int done, int total, double seconds) {
    return core::progressBar(done, total, seconds,
                             QCoreApplication::translate("batch", "  %1 images/s  %2 left"));
}

BatchConsole::BatchConsole(std::FILE* out, std::FILE* err, bool terminal, bool quiet)
    : out_(out), err_(err), bar_(err, terminal), quiet_(quiet) {}

void BatchConsole::write(std::FILE* stream, const QString& line) {
    core::ProgressLine::write(stream, line);
}

void BatchConsole::progress(int done, int total, double seconds, const QString& fileName) {
    if (quiet_) {
        return;
    }
    bar_.show(progressBar(done, total, seconds),
              QStringLiteral("%1/%2 %3").arg(done).arg(total).arg(oneLine(fileName)));
}

void BatchConsole::failure(const QString& fileName, const QString& reason) {
    bar_.clear();
    write(err_, QStringLiteral("%1: %2\n").arg(oneLine(fileName), reason));
}

void BatchConsole::error(const QString& message) {
    bar_.clear();
    write(err_, QStringLiteral("quillfold-batch: %1\n").arg(message));
}

void BatchConsole::listed(const QString& path) {
    write(out_, oneLine(path) + QLatin1Char('\n'));
}

void BatchConsole::note(const QString& line) {
    if (quiet_) {
        return;
    }
    bar_.clear();
    write(err_, oneLine(line) + QLatin1Char('\n'));
}

void BatchConsole::summary(const BatchSummary& summary) {
    bar_.clear();
    if (quiet_) {
        return;
    }
    write(out_, summaryLine(summary) + QLatin1Char('\n'));
    if (summary.lossless) {
        for (const QString& line : losslessLines(*summary.lossless, false)) {
            write(out_, line + QLatin1Char('\n'));
        }
    }
}

void BatchConsole::plannedLossless(const split::LosslessTally& tally) {
    if (quiet_) {
        return;
    }
    for (const QString& line : losslessLines(tally, true)) {
        write(out_, line + QLatin1Char('\n'));
    }
}

}  // namespace batch
