// Prints the time per image of a whole split batch, run through the split
// dialog and its timer as a user runs it: generated 5000 x 3500 spreads,
// " ←" with centre removal 20, margin removal and JPEG quality 80. For
// comparison it also times the same items worked and written one after the
// other on one thread, and the batch driven without windows.
//
//     bench_batch [images]

#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"
#include "program/Program.h"
#include "split/ItemCommit.h"
#include "split/ItemWork.h"
#include "split/SplitBatch.h"
#include "split/SplitDialog.h"
#include "widgets/NumberEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>

#include <unistd.h>

namespace {

// A white spread with margins and lines of dark "text" blocks on both
// pages, lightly noisy like a scan.
QImage scannedSpread(int width, int height) {
    QImage page(width, height, QImage::Format_RGB888);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> noise(0, 12);
    const int margin = 180;
    const int gutter = width / 2;
    for (int y = 0; y < height; ++y) {
        uchar* row = page.scanLine(y);
        const bool textLine = y >= margin && y < height - margin && (y / 40) % 2 == 0;
        for (int x = 0; x < width; ++x) {
            const bool inPage =
                x >= margin && x < width - margin && (x < gutter - margin || x >= gutter + margin);
            const bool ink = textLine && inPage && (x / 25) % 3 != 2;
            const int value = ink ? 20 + noise(random) : 243 + noise(random);
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = static_cast<uchar>(value);
        }
    }
    return page;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int images = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    QTemporaryDir root;
    const QString book = root.filePath("book1");
    const QString out = root.filePath("out");
    QDir().mkpath(book);
    QDir().mkpath(out);
    const auto spread = imaging::encodeJpeg(scannedSpread(5000, 3500), 90);
    if (!spread)
        return 1;
    QStringList names;
    for (int n = 1; n <= images; ++n) {
        names << QStringLiteral("s%1.jpg").arg(n, 3, 10, QLatin1Char('0'));
        if (!writeFile(imaging::joinPath(book, names.back()), *spread))
            return 1;
    }
    // The scans are on the disk before the batch starts, as in real use:
    // their write-back is not the batch's time.
    ::sync();
    std::printf("%d spreads of 5000 x 3500, JPEG %.1f MB each\n", images, spread->size() / 1e6);

    QDir::setCurrent(root.path());
    Program program;
    MainWindow& main = program.mainWindow();
    SplitDialog& dialog = program.splitDialog();
    NoticeBox& notice = program.noticeBox();
    // The catalogue as the loader leaves it, every item selected.
    model::CatalogueModel& catalogue = program.catalogue();
    catalogue.beginLoading(book, static_cast<int>(names.size()), false);
    for (const QString& name : names) {
        catalogue.appendLoaded(name);
        main.catalogueList().addItem(name);
    }
    catalogue.endLoading(model::LoadingState::Phase::Loaded);
    main.catalogueList().selectAll();

    dialog.removeCentreBox->setChecked(true);
    dialog.centreWidthEdit->setText(QStringLiteral("20"));
    dialog.removeMarginsBox->setChecked(true);
    dialog.qualityEdit->setText(QStringLiteral("80"));
    dialog.destinationEdit->setText(out);

    QElapsedTimer batchTime;
    batchTime.start();
    dialog.startBatch();
    // A real event loop, which sleeps between events as the program's does.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!dialog.batchRunning())
            loop.quit();
    });
    poll.start(20);
    // How long the window stops answering at worst: the longest gap
    // between two firings of a 5 ms timer.
    QTimer heartbeat;
    QElapsedTimer sinceBeat;
    qint64 longestPause = 0;
    QObject::connect(&heartbeat, &QTimer::timeout, &loop,
                     [&] { longestPause = std::max(longestPause, sinceBeat.restart()); });
    sinceBeat.start();
    heartbeat.start(5);
    loop.exec();
    const double batchMs = batchTime.nsecsElapsed() / 1e6;
    std::printf("batch through the dialog:   %8.1f ms per image (%s, %lld files)\n",
                batchMs / images, qPrintable(notice.messageLabel->text()),
                static_cast<long long>(QDir(imaging::joinPath(out, "book1")).count() - 2));
    std::printf("longest pause of the event loop during the batch: %lld ms\n",
                static_cast<long long>(longestPause));

    // The same work on one thread, item after item.
    const split::SplitOptions options = dialog.options();
    const QString sequentialOut = root.filePath("sequential");
    QDir().mkpath(sequentialOut);
    std::vector<split::SplitItem> items;
    QStringList sources;
    for (const QString& name : names) {
        items.push_back(split::SplitItem{imaging::joinPath(book, name), name, true});
        sources << items.back().sourcePath;
    }
    const split::ProtectedFiles protectedFiles(sources);
    split::WrittenFiles written;
    QElapsedTimer sequentialTime;
    sequentialTime.start();
    for (const split::SplitItem& item : items)
        split::commitItem(split::processItem(item, options, sequentialOut), item.fileName,
                          protectedFiles, written);
    std::printf("one thread, item after item: %7.1f ms per image\n",
                sequentialTime.nsecsElapsed() / 1e6 / images);

    // The same batch without the windows, its caller waiting for each item.
    split::SplitOptions headlessOptions = options;
    headlessOptions.destination = root.filePath("headless");
    QDir().mkpath(headlessOptions.destination);
    QElapsedTimer headlessTime;
    headlessTime.start();
    split::SplitBatch batch(headlessOptions, book, items);
    batch.start();
    batch.run([](const split::CommittedItem&) { return true; });
    std::printf("batch without windows:      %8.1f ms per image (%d failed)\n",
                headlessTime.nsecsElapsed() / 1e6 / images, batch.failures().count());
    return 0;
}
