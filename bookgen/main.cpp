// quillfold-bookgen: writes a folder of synthetic book scans, for
// benchmarks and for the demo book.

#include "bookgen/ScanPlan.h"
#include "bookgen/ScanWriter.h"
#include "bookgen/Truth.h"
#include "imaging/FileCommit.h"
#include "imaging/FileNames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

constexpr int kUsageError = 2;

struct Request {
    QString folder;
    std::vector<bookgen::ScanPlan> plans;
    int quality = 90;
    bookgen::Chroma chroma = bookgen::Chroma::Half;
    bool quiet = false;
    // Write the truth file of crooked spreads.
    bool truth = false;
};

std::optional<int> numberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<QSize> sizeIn(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)x(\\d+)$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const auto width = numberIn(match.captured(1), 16, 30000);
    const auto height = numberIn(match.captured(2), 16, 30000);
    if (!width || !height) {
        return std::nullopt;
    }
    return QSize(*width, *height);
}

int usageError(const QString& message) {
    std::fprintf(stderr, "quillfold-bookgen: %s (see --help)\n", qPrintable(message));
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillfold-bookgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a folder of synthetic book scans that look like a scanned book: off-white,\n"
        "slightly grainy paper, justified lines of print, figures, page numbers, margins and\n"
        "the gutter shadow down the middle of each two-page spread. The same options always\n"
        "give the same files, byte for byte, on the same machine.\n"
        "\n"
        "By default: --count two-page spreads of --size pixels, JPEG at --quality, named\n"
        "p001.jpg, p002.jpg, ... (for benchmarks). With --demo: the demo book, 24 scans of an\n"
        "A5 book at 150 dpi: front cover, title page, spreads (p012 in greyscale), a picture\n"
        "plate stored as BMP (p021.bmp) and the back cover.\n"
        "\n"
        "With --crooked: spreads for the automatic deskew and the gutter search, each book\n"
        "turned by a known angle within +-5 degrees with its fold up to 15 % of the width off\n"
        "centre; a third are Japanese books set in vertical columns, and some pages are\n"
        "pictures or blank. What is known of each (angle, fold, the print-free band round the\n"
        "fold, what each page shows) goes to truth.tsv in FOLDER.\n"
        "\n"
        "Files of the same names in FOLDER are replaced; FOLDER is created when missing."));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("Folder to write the scans into."));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("Number of spreads (default 20)."),
                                   QStringLiteral("n"), QStringLiteral("20"));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QStringLiteral("Pixel size of a spread, e.g. 4960x3508 (A4 pages at 300 dpi, the "
                       "default) or 2480x1748."),
        QStringLiteral("WxH"), QStringLiteral("4960x3508"));
    const QCommandLineOption quality(QStringLiteral("quality"),
                                     QStringLiteral("JPEG quality 0..100 (default 90)."),
                                     QStringLiteral("q"), QStringLiteral("90"));
    const QCommandLineOption chroma(
        QStringLiteral("chroma"),
        QStringLiteral("Chroma of colour JPEG scans: 420 (subsampled, as the program writes; the "
                       "default) or 444 (full, as scanners at their best quality write)."),
        QStringLiteral("420|444"), QStringLiteral("420"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the pages' content (default 1)."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Write the 24-scan demo book (--count, --size, --seed do not apply)."));
    const QCommandLineOption crooked(
        QStringLiteral("crooked"),
        QStringLiteral(
            "Write crooked spreads and their truth.tsv (with --count, --size, --seed)."));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Print nothing but errors."));
    parser.addOptions({count, size, quality, chroma, seed, demo, crooked, quiet});
    if (!parser.parse(QCoreApplication::arguments())) {
        return usageError(parser.errorText());
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }

    if (parser.positionalArguments().size() != 1) {
        return usageError(QStringLiteral("give exactly one FOLDER"));
    }
    Request request;
    request.folder = parser.positionalArguments().constFirst();
    request.quiet = parser.isSet(quiet);
    const auto chosenQuality = numberIn(parser.value(quality), 0, 100);
    if (!chosenQuality) {
        return usageError(QStringLiteral("--quality must be 0..100"));
    }
    request.quality = *chosenQuality;
    if (parser.value(chroma) != QStringLiteral("420") &&
        parser.value(chroma) != QStringLiteral("444")) {
        return usageError(QStringLiteral("--chroma must be 420 or 444"));
    }
    request.chroma = parser.value(chroma) == QStringLiteral("444") ? bookgen::Chroma::Full
                                                                   : bookgen::Chroma::Half;
    if (parser.isSet(demo)) {
        request.plans = bookgen::demoPlan();
    } else {
        const auto chosenCount = numberIn(parser.value(count), 1, 99999);
        const auto chosenSize = sizeIn(parser.value(size));
        const auto chosenSeed = numberIn(parser.value(seed), 0, 2147483647);
        if (!chosenCount) {
            return usageError(QStringLiteral("--count must be 1..99999"));
        }
        if (!chosenSize) {
            return usageError(QStringLiteral("--size must be WxH, each 16..30000"));
        }
        if (!chosenSeed) {
            return usageError(QStringLiteral("--seed must be a number from 0"));
        }
        const auto plan = parser.isSet(crooked) ? bookgen::crookedCorpusPlan : bookgen::corpusPlan;
        request.plans = plan(*chosenCount, *chosenSize, static_cast<std::uint64_t>(*chosenSeed));
        request.truth = parser.isSet(crooked);
    }

    if (!QDir().mkpath(request.folder)) {
        std::fprintf(stderr, "quillfold-bookgen: cannot create the folder %s\n",
                     qPrintable(request.folder));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    qint64 total = 0;
    std::vector<bookgen::SpreadTruth> truths;
    for (const bookgen::ScanPlan& plan : request.plans) {
        bookgen::GutterBand band;
        const auto written =
            bookgen::writeScan(plan, request.folder, request.quality, request.chroma, &band);
        truths.push_back(bookgen::truthOf(plan, band));
        if (!written) {
            std::fprintf(stderr, "quillfold-bookgen: %s: %s\n", qPrintable(plan.fileName),
                         qPrintable(written.error().message));
            return 1;
        }
        total += *written;
        if (!request.quiet) {
            std::printf("%s  %dx%d  %.2f MB\n", qPrintable(plan.fileName), plan.size.width(),
                        plan.size.height(), static_cast<double>(*written) / 1e6);
        }
    }
    if (request.truth) {
        const QString path = imaging::joinPath(request.folder, QStringLiteral("truth.tsv"));
        const auto written = imaging::commitFile(path, bookgen::truthFile(truths));
        if (!written) {
            std::fprintf(stderr, "quillfold-bookgen: truth.tsv: %s\n",
                         qPrintable(written.error().message));
            return 1;
        }
    }
    if (!request.quiet) {
        std::printf("%zu scans, %.1f MB, written to %s in %.1f s\n", request.plans.size(),
                    static_cast<double>(total) / 1e6, qPrintable(request.folder),
                    static_cast<double>(timer.elapsed()) / 1e3);
    }
    return 0;
}
