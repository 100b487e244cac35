// Loads a folder of 200 scans of 4000 x 3000 pixels into the catalogue
// through the real windows (offscreen) and prints the total time and the
// longest time the event loop went without a turn, i.e. how long the window
// could not have answered the user. Figures only; nothing is checked.
//
// The scans are generated once into a folder under the system's temporary
// folder and reused by later runs.

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/FolderTree.h"
#include "dialogs/OpenFolderDialog.h"
#include "imaging/PictureIo.h"
#include "program/Program.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <ranges>
#include <vector>

namespace {

constexpr int kScanCount = 200;
constexpr int kScanWidth = 4000;
constexpr int kScanHeight = 3000;
constexpr int kVariants = 4;

// A page-like picture: paper with a gradient, lines of "text", and a shift
// per variant so the files are not all alike.
QImage scanLikePicture(int variant) {
    QImage picture(kScanWidth, kScanHeight, QImage::Format_RGB888);
    for (int y = 0; y < kScanHeight; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < kScanWidth; ++x) {
            const bool ink = ((x + 13 * variant) / 9 % 7 == 0) && ((y / 17 + variant) % 3 != 0);
            row[3 * x] = ink ? 25 : static_cast<uchar>(228 + (x * 20) / kScanWidth);
            row[3 * x + 1] = ink ? 25 : static_cast<uchar>(222 + (y * 25) / kScanHeight);
            row[3 * x + 2] = ink ? 35 : static_cast<uchar>(205 + ((x + y + variant) % 40));
        }
    }
    return picture;
}

QString scanName(int n) {
    return QStringLiteral("scan%1.jpg").arg(n + 1);
}

// The folder of scans, written when it is not complete yet.
QString preparedScans() {
    const QString folder =
        QDir(QDir::tempPath()).filePath(QStringLiteral("quillfold-bench-loading"));
    QDir().mkpath(folder);
    const bool complete = std::ranges::all_of(std::views::iota(0, kScanCount), [&](int n) {
        return QFileInfo(QDir(folder).filePath(scanName(n))).size() > 0;
    });
    if (complete)
        return folder;
    std::printf("writing %d scans of %dx%d (JPEG quality 90) into %s ...\n", kScanCount, kScanWidth,
                kScanHeight, qPrintable(folder));
    std::vector<QByteArray> variants;
    for (int variant = 0; variant < kVariants; ++variant) {
        const auto bytes = imaging::encodeJpeg(scanLikePicture(variant), 90);
        if (!bytes)
            return {};
        variants.push_back(*bytes);
    }
    for (int n = 0; n < kScanCount; ++n) {
        QFile file(QDir(folder).filePath(scanName(n)));
        const QByteArray& bytes = variants[static_cast<size_t>(n % kVariants)];
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
    }
    return folder;
}

// CPU time the calling thread has used, in nanoseconds.
qint64 threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

struct Turn {
    qint64 at = 0;
    qint64 cpu = 0;
    int items = 0;
};

struct Gap {
    double ms = 0;
    int itemsBefore = 0;
};

struct LoadFigures {
    double totalMs = 0;
    // The longest gaps first, each with the number of items shown before it.
    std::vector<Gap> longestGaps;
    double gap99Ms = 0;
    // The most CPU time the window's thread spent between two turns: its own
    // work, apart from waiting for a processor on a busy machine.
    double longestWorkMs = 0;
    int items = 0;
};

// Opens `folder` with the open command and OK, and runs the event loop
// until the loading ends, noting every turn of the loop.
LoadFigures loadThroughTheWindows(Program& program, const QString& folder, bool slowReading) {
    MainWindow& main = program.mainWindow();
    OpenFolderDialog& dialog = program.openFolderDialog();
    main.openAction->trigger();
    dialog.slowReadingBox->setChecked(slowReading);
    dialog.selectFolder(folder);

    std::vector<Turn> turns;
    QElapsedTimer clock;
    QEventLoop loop;
    QTimer turn;
    turn.setInterval(0);
    QObject::connect(&turn, &QTimer::timeout, [&] {
        turns.push_back({clock.nsecsElapsed(), threadCpuNs(), main.catalogueList().count()});
        if (!main.isBusy())
            loop.quit();
    });
    clock.start();
    const qint64 cpuAtStart = threadCpuNs();
    dialog.okButton->click();
    turn.start();
    loop.exec();

    LoadFigures figures;
    figures.totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    figures.items = main.catalogueList().count();
    std::vector<Gap> gaps;
    Turn previous{0, cpuAtStart, 0};
    for (const Turn& next : turns) {
        gaps.push_back({static_cast<double>(next.at - previous.at) / 1e6, previous.items});
        figures.longestWorkMs =
            std::max(figures.longestWorkMs, static_cast<double>(next.cpu - previous.cpu) / 1e6);
        previous = next;
    }
    std::sort(gaps.begin(), gaps.end(), [](const Gap& a, const Gap& b) { return a.ms > b.ms; });
    if (!gaps.empty())
        figures.gap99Ms = gaps[gaps.size() / 100].ms;
    gaps.resize(std::min<size_t>(gaps.size(), 3));
    figures.longestGaps = gaps;
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = preparedScans();
    if (folder.isEmpty()) {
        std::printf("cannot write the scans\n");
        return 1;
    }
    // The program reads and writes its settings in the current folder.
    QTemporaryDir start;
    QDir::setCurrent(start.path());
    Program program;
    program.mainWindow().show();
    while (program.mainWindow().startUpTimer->isActive())
        QApplication::processEvents();

    for (const bool slowReading : {false, true}) {
        const LoadFigures figures = loadThroughTheWindows(program, folder, slowReading);
        std::printf("%d of %d scans %dx%d, thumbnails 80%s: %.0f ms in all (%.1f ms per file)\n",
                    figures.items, kScanCount, kScanWidth, kScanHeight,
                    slowReading ? " (slow reading)" : "", figures.totalMs,
                    figures.totalMs / std::max(1, figures.items));
        std::printf("  gaps between event-loop turns: 99%% up to %.2f ms; longest",
                    figures.gap99Ms);
        for (const Gap& gap : figures.longestGaps) {
            std::printf(" %.1f ms (after %d items)", gap.ms, gap.itemsBefore);
        }
        std::printf("\n  longest work of the window's thread between two turns: %.1f ms\n",
                    figures.longestWorkMs);
    }
    return 0;
}
