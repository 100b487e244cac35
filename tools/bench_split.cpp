// Prints how long the split job's image work takes on page-sized pictures:
// margin removal and quarter turns of a 5000 x 3500 part, and the whole
// work of one 10000 x 3500 spread (decode, cut, trim, turn, encode).
//
//     bench_split [repeats]

#include "imaging/PictureIo.h"
#include "split/ItemWork.h"
#include "split/MarginRemoval.h"
#include "split/Rotation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

// A white page with margins and lines of dark "text" blocks, lightly noisy
// like a scan.
QImage scannedPage(int width, int height, int margin) {
    QImage page(width, height, QImage::Format_RGB888);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(0, 12);
    for (int y = 0; y < height; ++y) {
        uchar* row = page.scanLine(y);
        const bool textLine = y >= margin && y < height - margin && (y / 40) % 2 == 0;
        for (int x = 0; x < width; ++x) {
            const bool ink = textLine && x >= margin && x < width - margin && (x / 25) % 3 != 2;
            const int value = ink ? 20 + noise(random) : 243 + noise(random);
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = static_cast<uchar>(value);
        }
    }
    return page;
}

// Runs `work` `repeats` times and prints the fastest and the median time.
void measure(const char* name, int repeats, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s min %8.2f ms   median %8.2f ms\n", name, times.front(),
                times[times.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    const QImage part = scannedPage(5000, 3500, 300);
    const QImage blank = scannedPage(5000, 3500, 5000);
    const QImage centreDot = [&] {
        QImage picture = blank.copy();
        picture.setPixel(2500, 1750, qRgb(0, 0, 0));
        return picture;
    }();

    measure("plain copy of the 5000x3500 part (baseline)", repeats, [&] { (void)part.copy(); });
    imaging::PixelRect box;
    measure("margin box, 5000x3500 page, 300 px margins", repeats,
            [&] { box = split::marginBox(part, 100, 0); });
    std::printf("    box (%d, %d, %d, %d)\n", box.left, box.top, box.right, box.bottom);
    measure("margin removal (box + shared crop), same page", repeats,
            [&] { (void)split::removeMargins(part, 100, 0); });
    measure("margin box, 5000x3500 all background", repeats,
            [&] { (void)split::marginBox(blank, 100, 0); });
    measure("margin box, 5000x3500 one dot in the centre", repeats,
            [&] { (void)split::marginBox(centreDot, 100, 0); });
    measure("quarter turn left, 5000x3500", repeats,
            [&] { (void)split::turnQuarter(part, split::TurnDirection::Left); });
    measure("quarter turn right, 5000x3500", repeats,
            [&] { (void)split::turnQuarter(part, split::TurnDirection::Right); });

    QTemporaryDir folder;
    const QString source = folder.filePath("spread.jpg");
    const auto bytes = imaging::encodeJpeg(scannedPage(10000, 3500, 300), 90);
    QFile file(source);
    if (!bytes || !file.open(QIODevice::WriteOnly) || file.write(bytes.value()) < 0) {
        std::fprintf(stderr, "cannot write the test spread\n");
        return 1;
    }
    file.close();

    measure("decode 10000x3500 JPEG alone", repeats, [&] { (void)imaging::loadPicture(source); });
    split::SplitOptions options;
    options.direction = split::SplitDirection::Left;
    options.removeCentre = true;
    options.removeMargins = true;
    options.turn = true;
    const split::SplitItem item{source, "spread.jpg", true};
    measure("processItem: JPEG q80, cut, margins, turn", repeats,
            [&] { (void)split::processItem(item, options, folder.path()); });
    options.format = split::OutputFormat::Bmp;
    measure("processItem: same, BMP output", repeats,
            [&] { (void)split::processItem(item, options, folder.path()); });
    return 0;
}
