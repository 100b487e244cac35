// Prints how long the catalogue's file work takes: one thumbnail of a
// 4000 x 3000 JPEG (rows sampled versus a full decode), reading the pixel
// sizes of 500 files for the automatic selection, and listing a folder of
// 10000 files. Figures only; nothing is checked.

#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/ThumbnailLoader.h"
#include "imaging/PictureIo.h"
#include "model/AutoSelect.h"
#include "model/FolderListing.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr QRgb kBackground = qRgb(240, 240, 240);

// A picture with smooth gradients and some detail, compressed about as a
// scan would be.
QImage scanLikePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const bool ink = ((x / 7) % 11 == 0) && ((y / 13) % 3 != 0);
            row[3 * x] = ink ? 20 : static_cast<uchar>(230 + (x * 20) / width);
            row[3 * x + 1] = ink ? 20 : static_cast<uchar>(225 + (y * 25) / height);
            row[3 * x + 2] = ink ? 30 : static_cast<uchar>(210 + ((x + y) % 40));
        }
    }
    return picture;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Milliseconds per run of `work`, averaged over `runs`.
double millisecondsPerRun(int runs, const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < runs; ++run) {
        work();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / runs;
}

void benchThumbnails(const QTemporaryDir& dir) {
    const auto bytes = imaging::encodeJpeg(scanLikePicture(4000, 3000), 90);
    const QString path = dir.filePath("scan.jpg");
    if (!bytes || !writeFile(path, *bytes)) {
        std::printf("cannot write the test JPEG\n");
        return;
    }
    constexpr int kRuns = 5;
    for (const bool slowReading : {false, true}) {
        const double sampled = millisecondsPerRun(kRuns, [&] {
            const auto thumbnail = catalogue::loadThumbnail(path, 80, slowReading, kBackground);
            if (!thumbnail) {
                std::printf("thumbnail failed\n");
            }
        });
        const double full = millisecondsPerRun(kRuns, [&] {
            const auto picture = imaging::loadPicture(path);
            if (picture) {
                (void)catalogue::buildThumbnail(*picture, 80, slowReading, kBackground);
            }
        });
        std::printf(
            "thumbnail 80 of a 4000x3000 JPEG (%zu KB)%s: rows sampled %.1f ms, "
            "full decode %.1f ms\n",
            static_cast<size_t>(bytes->size() / 1024), slowReading ? ", slow reading" : "", sampled,
            full);
    }
}

void benchSizeReading(const QTemporaryDir& dir) {
    const auto jpeg = imaging::encodeJpeg(scanLikePicture(1240, 1754), 85);
    const auto bmp = imaging::encodeBmp(scanLikePicture(620, 877));
    if (!jpeg || !bmp) {
        std::printf("cannot encode the size-reading files\n");
        return;
    }
    QStringList fileNames;
    for (int i = 0; i < 500; ++i) {
        const bool asBmp = i % 5 == 4;
        const QString name =
            QStringLiteral("page%1.%2").arg(i, 3, 10, QLatin1Char('0')).arg(asBmp ? "bmp" : "jpg");
        if (!writeFile(dir.filePath(name), asBmp ? *bmp : *jpeg)) {
            std::printf("cannot write %s\n", qPrintable(name));
            return;
        }
        fileNames.push_back(name);
    }
    const double perRun = millisecondsPerRun(3, [&] {
        const auto result = model::autoSelect(dir.path(), fileNames, 0, 10);
        if (result.verdicts.size() != 500) {
            std::printf("automatic selection failed\n");
        }
    });
    std::printf("automatic selection over 500 files (400 JPEG, 100 BMP): %.2f ms per 100 files\n",
                perRun / 5);
}

void benchListing(const QTemporaryDir& dir) {
    for (int i = 0; i < 10000; ++i) {
        const char* extension = (i % 10 == 3) ? "png" : (i % 7 == 0) ? "BMP" : "jpg";
        const QString name = QStringLiteral("Scan %1 p%2.%3").arg(i % 37).arg(i).arg(extension);
        if (!writeFile(dir.filePath(name), QByteArray())) {
            std::printf("cannot write %s\n", qPrintable(name));
            return;
        }
    }
    int listed = 0;
    const double perRun = millisecondsPerRun(
        5, [&] { listed = static_cast<int>(model::listPictureFiles(dir.path()).size()); });
    std::printf("listing a folder of 10000 files (%d listed): %.1f ms\n", listed, perRun);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir thumbnails;
    QTemporaryDir sizes;
    QTemporaryDir listing;
    if (!thumbnails.isValid() || !sizes.isValid() || !listing.isValid()) {
        std::printf("cannot create temporary folders\n");
        return 1;
    }
    benchThumbnails(thumbnails);
    benchSizeReading(sizes);
    benchListing(listing);
    return 0;
}
