// Scores the automatic deskew and the gutter search against the book
// generator's ground truth, and prints their cost per spread next to the
// floor, all in one run:
//
//   - every page's skew measure against the known angle, for horizontal and
//     vertical text, and whether picture and blank pages were left alone;
//   - every spread's cut against the known print-free band round the fold;
//   - the time per spread of the floor (decode + two encodes), the split
//     work with both options off, and with both on, alone and as a batch
//     writes it (each page through a temporary file, fdatasync and a
//     rename), as ratios, all taking turns over the same files in each
//     round after a round that warms them up.
//
// With no FOLDER it writes a crooked corpus (quillfold-bookgen --crooked)
// into a temporary folder; with one it reads FOLDER/truth.tsv.
//
//     bench_straight [--count N] [--size WxH] [--seed S] [--rounds R] [FOLDER]

#include "bookgen/ScanPlan.h"
#include "bookgen/ScanWriter.h"
#include "bookgen/Truth.h"
#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"
#include "split/GutterSearch.h"
#include "split/ItemCommit.h"
#include "split/ItemWork.h"
#include "split/SharedCrop.h"
#include "split/SplitGeometry.h"
#include "split/Straightening.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The targets.
constexpr double kAngleTarget = 0.1;   // degrees
constexpr double kAngleShare = 0.95;   // of text pages
constexpr double kGutterShare = 0.98;  // of spreads
constexpr double kCostRatio = 1.8;     // both on against both off
constexpr double kCap = 5.0;           // the default cap

struct Settings {
    int count = 40;
    QSize size{4960, 3508};
    int seed = 1;
    int rounds = 3;
    QString folder;
};

int usage() {
    std::fprintf(stderr,
                 "usage: bench_straight [--count N] [--size WxH] [--seed S] [--rounds R] "
                 "[FOLDER]\n");
    return 2;
}

double percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::min(values.size() - 1, index == 0 ? 0 : index - 1)];
}

double shareAtMost(const std::vector<double>& values, double limit) {
    if (values.empty()) {
        return 0;
    }
    const auto within =
        std::count_if(values.begin(), values.end(), [&](double value) { return value <= limit; });
    return static_cast<double>(within) / static_cast<double>(values.size());
}

void printDistribution(const char* name, const std::vector<double>& errors, const char* unit) {
    std::printf("  %-28s n=%-4zu median %6.3f  p90 %6.3f  p95 %6.3f  p99 %6.3f  max %6.3f %s\n",
                name, errors.size(), percentile(errors, 0.5), percentile(errors, 0.9),
                percentile(errors, 0.95), percentile(errors, 0.99), percentile(errors, 1.0), unit);
}

const char* verdict(bool met) {
    return met ? "met" : "NOT MET";
}

bool isText(bookgen::PageContent content) {
    return content == bookgen::PageContent::Text || content == bookgen::PageContent::VerticalText;
}

// The corpus: written here, or read from a folder the generator wrote.
std::optional<std::vector<bookgen::SpreadTruth>> corpus(const Settings& settings,
                                                        const QString& folder) {
    if (!settings.folder.isEmpty()) {
        QFile file(imaging::joinPath(folder, QStringLiteral("truth.tsv")));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return std::nullopt;
        }
        return bookgen::readTruthFile(file.readAll());
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<bookgen::SpreadTruth> truths;
    for (const bookgen::ScanPlan& plan : bookgen::crookedCorpusPlan(
             settings.count, settings.size, static_cast<std::uint64_t>(settings.seed))) {
        bookgen::GutterBand band;
        if (!bookgen::writeScan(plan, folder, 90, bookgen::Chroma::Half, &band)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(plan.fileName));
            return std::nullopt;
        }
        truths.push_back(bookgen::truthOf(plan, band));
    }
    std::printf("corpus: %d crooked spreads of %dx%d written in %.1f s\n", settings.count,
                settings.size.width(), settings.size.height(),
                static_cast<double>(clock.elapsed()) / 1e3);
    return truths;
}

// The measures over the corpus: errors and verdicts.
struct Scores {
    std::vector<double> horizontal;  // |applied turn - true turn|, text pages
    std::vector<double> vertical;
    std::vector<double> measured;  // |measured - true| of text pages measured with confidence
    int textKept = 0;              // text pages left as they were
    int plainPages = 0;            // picture and blank pages
    int plainTurned = 0;           // ... of them turned all the same
    int spreads = 0;
    int insideBand = 0;
    int centred = 0;                // gutter not found
    std::vector<double> cutErrors;  // |cut - fold| in % of the width
};

void scorePage(const QImage& page, bookgen::PageContent content, double skew, Scores& scores) {
    const split::SkewMeasure measure = split::measureSkew(page, split::measureReach(kCap));
    const split::PageOutcome outcome = split::judgeSkew(measure, kCap);
    const bool turned = outcome == split::PageOutcome::Turned;
    if (!isText(content)) {
        ++scores.plainPages;
        scores.plainTurned += turned ? 1 : 0;
        return;
    }
    // The page turn that straightens it is the opposite of the book's.
    const double wanted = -skew;
    const double applied = turned ? measure.turn : 0.0;
    const double error = std::abs(applied - wanted);
    (content == bookgen::PageContent::VerticalText ? scores.vertical : scores.horizontal)
        .push_back(error);
    if (measure.confident) {
        scores.measured.push_back(std::abs(measure.turn - wanted));
    }
    scores.textKept += turned ? 0 : 1;
}

bool scoreCorpus(const QString& folder, const std::vector<bookgen::SpreadTruth>& truths,
                 Scores& scores) {
    for (const bookgen::SpreadTruth& truth : truths) {
        const auto picture = imaging::loadPicture(imaging::joinPath(folder, truth.fileName));
        if (!picture) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(truth.fileName),
                         qPrintable(picture.error().message));
            return false;
        }
        const split::GutterFinding gutter =
            split::findGutter(*picture, split::SplitDirection::Left);
        ++scores.spreads;
        scores.insideBand += truth.band.holds(gutter.cut) ? 1 : 0;
        scores.centred += gutter.found() ? 0 : 1;
        scores.cutErrors.push_back(100.0 * std::abs(gutter.cut - truth.fold) / picture->width());

        const auto parts =
            split::cutImage(*picture, split::SplitDirection::Left, 0,
                            gutter.found() ? std::optional(gutter.cut) : std::nullopt);
        if (!parts) {
            return false;
        }
        // Right page first.
        scorePage(parts->first, truth.rightPage, truth.skew, scores);
        scorePage(*parts->second, truth.leftPage, truth.skew, scores);
    }
    return true;
}

// One contender of the cost comparison: its work on one spread.
struct Contender {
    const char* name;
    std::function<void(const QString& path, const QString& name)> work;
    // Called before each round (a batch's record of files it wrote).
    std::function<void()> newRound = [] {};
    std::vector<double> perSpread = {};  // ms, one entry per round
};

double median(std::vector<double> values) {
    return percentile(std::move(values), 0.5);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Settings settings;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (argument == "--count" && hasValue) {
            settings.count = arguments[++i].toInt(&ok);
            ok = ok && settings.count > 0;
        } else if (argument == "--seed" && hasValue) {
            settings.seed = arguments[++i].toInt(&ok);
        } else if (argument == "--rounds" && hasValue) {
            settings.rounds = arguments[++i].toInt(&ok);
            ok = ok && settings.rounds > 0;
        } else if (argument == "--size" && hasValue) {
            const auto match =
                QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(arguments[++i]);
            ok = match.hasMatch();
            settings.size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
            ok = ok && settings.size.width() >= 64 && settings.size.height() >= 64;
        } else if (argument.startsWith("--") || !settings.folder.isEmpty()) {
            ok = false;
        } else {
            settings.folder = argument;
        }
        if (!ok) {
            return usage();
        }
    }

    QTemporaryDir temporary;
    const QString folder = settings.folder.isEmpty() ? temporary.path() : settings.folder;
    const auto truths = corpus(settings, folder);
    if (!truths || truths->empty()) {
        return 1;
    }

    Scores scores;
    if (!scoreCorpus(folder, *truths, scores)) {
        return 1;
    }
    std::vector<double> text = scores.horizontal;
    text.insert(text.end(), scores.vertical.begin(), scores.vertical.end());

    std::printf(
        "\nDeskew: |applied turn - true turn| of text pages (a kept page counts its "
        "whole skew), degrees\n");
    printDistribution("horizontal text", scores.horizontal, "deg");
    printDistribution("vertical text", scores.vertical, "deg");
    printDistribution("all text pages", text, "deg");
    printDistribution("measured with confidence", scores.measured, "deg");
    std::printf("  text pages kept as they were: %d of %zu\n", scores.textKept, text.size());
    const double angleShare = shareAtMost(text, kAngleTarget);
    std::printf("  target: |error| <= %.1f deg on >= %.0f %% of text pages: %.1f %% (%s)\n",
                kAngleTarget, 100 * kAngleShare, 100 * angleShare,
                verdict(angleShare >= kAngleShare));
    std::printf("  target: no turn on blank and picture pages: %d turned of %d (%s)\n",
                scores.plainTurned, scores.plainPages, verdict(scores.plainTurned == 0));

    std::printf("\nGutter: the cut against the print-free band round the fold\n");
    printDistribution("|cut - fold|", scores.cutErrors, "% of the width");
    std::printf("  spreads cut at the centre (no gutter found): %d of %d\n", scores.centred,
                scores.spreads);
    const double gutterShare = static_cast<double>(scores.insideBand) / scores.spreads;
    std::printf("  target: cut inside the band on >= %.0f %% of spreads: %.1f %% (%s)\n",
                100 * kGutterShare, 100 * gutterShare, verdict(gutterShare >= kGutterShare));

    // Cost: the three contenders take turns over the same files.
    split::SplitOptions off;
    off.direction = split::SplitDirection::Left;
    off.removeMargins = true;
    off.marginThreshold = 100;
    off.format = split::OutputFormat::Jpeg;
    off.jpegQuality = 80;
    split::SplitOptions on = off;
    on.deskew = true;
    on.cutPlacement = split::CutPlacement::Gutter;

    imaging::ReadBuffers floorReading;
    QByteArray floorEncoded;
    split::ItemWorkspace offSpace;
    split::ItemWorkspace onSpace;
    QTemporaryDir written;
    const QStringList sources = [&] {
        QStringList paths;
        for (const bookgen::SpreadTruth& truth : *truths) {
            paths << imaging::joinPath(folder, truth.fileName);
        }
        return paths;
    }();
    const split::ProtectedFiles protectedFiles(sources);
    split::WrittenFiles writtenFiles;
    // The split work of one spread, and with `write` its pages written as
    // the batch writes them.
    const auto split = [&](split::ItemWorkspace& space, const split::SplitOptions& options,
                           bool write) {
        return [&space, &options, write, &written, &protectedFiles, &writtenFiles](
                   const QString& path, const QString& name) {
            const split::SplitItem item{path, name, true};
            const split::ItemWork work = split::processItem(item, options, written.path(), space);
            if (work.problem) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(name),
                             qPrintable(work.problem->message));
            }
            if (write) {
                const split::CommitReport report =
                    split::commitItem(work, name, protectedFiles, writtenFiles);
                if (!report.ok()) {
                    std::fprintf(stderr, "%s: %s\n", qPrintable(report.firstFailedFile),
                                 qPrintable(report.firstFailure));
                }
            }
        };
    };
    std::vector<Contender> contenders = {
        {"floor: decode + two encodes",
         [&](const QString& path, const QString&) {
             const auto picture = imaging::loadPicture(path, floorReading);
             if (!picture) {
                 return;
             }
             const int half = picture->width() / 2;
             const int height = picture->height();
             for (const imaging::PixelRect& page : {imaging::PixelRect{half, 0, 2 * half, height},
                                                    imaging::PixelRect{0, 0, half, height}}) {
                 (void)imaging::encodeJpeg(split::sharedCrop(*picture, page), 80,
                                           imaging::QuarterTurn::None, floorEncoded);
             }
         },
         [] {}},
        {"split work, both options off", split(offSpace, off, false), [] {}},
        {"split work, deskew and gutter", split(onSpace, on, false), [] {}},
        {"batch, both options off", split(offSpace, off, true),
         [&] { writtenFiles = split::WrittenFiles(); }},
        {"batch, deskew and gutter", split(onSpace, on, true),
         [&] { writtenFiles = split::WrittenFiles(); }},
    };
    // A first round warms the files, the workspaces and the disk up.
    for (int round = -1; round < settings.rounds; ++round) {
        for (Contender& contender : contenders) {
            contender.newRound();
            QElapsedTimer clock;
            clock.start();
            for (const bookgen::SpreadTruth& truth : *truths) {
                contender.work(imaging::joinPath(folder, truth.fileName), truth.fileName);
            }
            if (round >= 0) {
                contender.perSpread.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6 /
                                              static_cast<double>(truths->size()));
            }
        }
    }
    const double floorMs = median(contenders[0].perSpread);
    const double offMs = median(contenders[1].perSpread);
    const double onMs = median(contenders[2].perSpread);
    const double batchOffMs = median(contenders[3].perSpread);
    const double batchOnMs = median(contenders[4].perSpread);
    std::printf(
        "\nCost per spread, one thread, median of %d rounds taking turns (margins at "
        "threshold 100, JPEG 80):\n",
        settings.rounds);
    for (const Contender& contender : contenders) {
        const double ms = median(contender.perSpread);
        std::printf("  %-32s %8.1f ms   %5.2f x the floor\n", contender.name, ms, ms / floorMs);
    }
    std::printf("  target: a batch with both on <= %.1f x the batch with both off: %.2f x (%s)\n",
                kCostRatio, batchOnMs / batchOffMs, verdict(batchOnMs / batchOffMs <= kCostRatio));
    std::printf("          the split work alone, without writing: %.2f x (%s)\n", onMs / offMs,
                verdict(onMs / offMs <= kCostRatio));
    std::printf("  both off: the split work as before, %.2f x the floor (nothing is measured)\n",
                offMs / floorMs);
    return 0;
}
