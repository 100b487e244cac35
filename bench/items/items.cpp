// bench_items: the program's own split work on a folder of spreads, one
// item after the other on one thread (split::processItem, then
// split::commitItem), as the batch does it for each image. Same settings as
// bench_floor: direction "left", no centre removal, margin removal with
// threshold T and kept margin 0, JPEG at quality Q; optionally a quarter
// turn of every part.
//
//     bench_items [--threshold T] [--quality Q] [--turn L|R] SOURCE DEST

#include "imaging/FileNames.h"
#include "split/ItemCommit.h"
#include "split/ItemWork.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: bench_items [--threshold T] [--quality Q] [--turn L|R] SOURCE DEST\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    split::SplitOptions options;
    options.direction = split::SplitDirection::Left;
    options.removeCentre = false;
    options.removeMargins = true;
    options.marginThreshold = 100;
    options.keptMargin = 0;
    options.format = split::OutputFormat::Jpeg;
    options.jpegQuality = 80;
    QStringList folders;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (argument == "--threshold" && hasValue) {
            options.marginThreshold = arguments[++i].toInt(&ok);
        } else if (argument == "--quality" && hasValue) {
            options.jpegQuality = arguments[++i].toInt(&ok);
        } else if (argument == "--turn" && hasValue) {
            const QString side = arguments[++i];
            options.turn = true;
            options.turnDirection =
                side == "R" ? split::TurnDirection::Right : split::TurnDirection::Left;
            ok = side == "L" || side == "R";
        } else if (argument.startsWith("--")) {
            ok = false;
        } else {
            folders << argument;
        }
        if (!ok) {
            return usage();
        }
    }
    if (folders.size() != 2) {
        return usage();
    }
    const QString source = folders[0];
    const QString dest = folders[1];
    QDir().mkpath(dest);
    const QStringList names = QDir(source).entryList({"*.jpg", "*.JPG"}, QDir::Files, QDir::Name);
    QStringList sourcePaths;
    for (const QString& name : names) {
        sourcePaths << imaging::joinPath(source, name);
    }
    const split::ProtectedFiles protectedFiles(sourcePaths);

    QElapsedTimer timer;
    timer.start();
    int failures = 0;
    split::WrittenFiles written;
    for (const QString& name : names) {
        const split::SplitItem item{imaging::joinPath(source, name), name, true};
        const split::ItemWork work = split::processItem(item, options, dest);
        if (work.problem) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(work.problem->message));
            ++failures;
        }
        const split::CommitReport report =
            split::commitItem(work, item.fileName, protectedFiles, written);
        if (!report.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(report.firstFailedFile),
                         qPrintable(report.firstFailure));
            ++failures;
        }
    }
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    std::printf("items: %lld spreads in %.3f s, %.1f ms per spread (one thread%s)\n",
                static_cast<long long>(names.size()), elapsed,
                names.isEmpty() ? 0.0 : elapsed * 1e3 / static_cast<double>(names.size()),
                options.turn ? ", quarter turn" : "");
    return failures == 0 ? 0 : 1;
}
