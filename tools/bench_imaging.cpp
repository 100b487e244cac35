// Prints timings of the imaging layer on a page-sized picture: JPEG and BMP
// decode and encode, header-only size reading, stretches, and row-sampled
// JPEG decoding for thumbnails. Figures only; nothing is checked.

#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"
#include "imaging/Stretch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kWidth = 5000;
constexpr int kHeight = 3500;
constexpr int kThumbnail = 80;

// A scan-like page: light paper with a gradient and dark "text" strokes,
// so the JPEG has realistic detail.
QImage pagePicture() {
    QImage page(kWidth, kHeight, QImage::Format_RGB888);
    quint32 noise = 12345;
    for (int y = 0; y < kHeight; ++y) {
        uchar* row = page.scanLine(y);
        const bool textLine = (y / 40) % 2 == 1;
        for (int x = 0; x < kWidth; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int paper = 225 + (x + y) / 400 + static_cast<int>((noise >> 16) % 8);
            const bool ink = textLine && ((x / 9 + y / 7) % 5 == 0);
            const int value = ink ? 30 : std::min(paper, 255);
            row[3 * x] = static_cast<uchar>(value);
            row[3 * x + 1] = static_cast<uchar>(value - (ink ? 0 : 3));
            row[3 * x + 2] = static_cast<uchar>(value - (ink ? 0 : 10));
        }
    }
    return page;
}

// Best of `runs` timings of `work`, in milliseconds.
double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void report(const char* what, double milliseconds) {
    std::printf("%-58s %10.2f ms\n", what, milliseconds);
}

template <typename T>
T valueOrExit(core::Expected<T> result, const char* what) {
    if (!result.ok()) {
        std::fprintf(stderr, "%s failed: %s\n", what, qPrintable(result.error().message));
        std::exit(1);
    }
    return std::move(result).value();
}

// Row numbers a nearest-neighbour thumbnail of `rows` rows samples.
std::vector<int> thumbnailRows(int rows) {
    std::vector<int> picked;
    for (int i = 0; i < rows; ++i) {
        picked.push_back(static_cast<int>(static_cast<qint64>(i) * kHeight / rows));
    }
    return picked;
}

// The picture's red channel as an 8-bit grey RLE8 file of one-pixel runs:
// the longest stream a picture can have, so the longest check before the
// decode.
QByteArray runLengthBmp(const QImage& picture) {
    QByteArray stream;
    stream.reserve(2 * picture.width() * picture.height() + 2 * picture.height() + 2);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const uchar* row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            stream.append(char(1)).append(static_cast<char>(row[3 * x]));
        }
        stream.append(2, '\0');  // end of line
    }
    stream.append(char(0)).append(char(1));  // end of bitmap
    const auto little = [](QByteArray& bytes, quint32 value, int count) {
        for (int i = 0; i < count; ++i) {
            bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
        }
    };
    const quint32 offset = 14 + 40 + 4 * 256;
    QByteArray file("BM");
    little(file, offset + static_cast<quint32>(stream.size()), 4);
    little(file, 0, 4);
    little(file, offset, 4);
    for (const quint32 field :
         {40u, static_cast<quint32>(picture.width()), static_cast<quint32>(picture.height())}) {
        little(file, field, 4);
    }
    little(file, 1, 2);  // planes
    little(file, 8, 2);  // bits a pixel
    little(file, 1, 4);  // BI_RLE8
    little(file, static_cast<quint32>(stream.size()), 4);
    for (int i = 0; i < 4; ++i) {
        little(file, 0, 4);  // resolution, colours used and important
    }
    for (quint32 grey = 0; grey < 256; ++grey) {
        little(file, grey * 0x010101u, 4);
    }
    return file + stream;
}

}  // namespace

int main() {
    std::printf("imaging benchmark: %d x %d picture, best of several runs\n\n", kWidth, kHeight);
    const QImage page = pagePicture();

    QByteArray jpeg;
    report("encodeJpeg, quality 90",
           bestOf(3, [&] { jpeg = valueOrExit(imaging::encodeJpeg(page, 90), "encodeJpeg"); }));
    std::printf("%-58s %10.2f MB\n", "  JPEG size", jpeg.size() / 1e6);
    QImage decoded;
    report("decodeJpeg",
           bestOf(3, [&] { decoded = valueOrExit(imaging::decodeJpeg(jpeg), "decodeJpeg"); }));
    QByteArray bmp;
    report("encodeBmp",
           bestOf(3, [&] { bmp = valueOrExit(imaging::encodeBmp(page), "encodeBmp"); }));
    report("decodeBmp",
           bestOf(3, [&] { decoded = valueOrExit(imaging::decodeBmp(bmp), "decodeBmp"); }));
    const QByteArray rle = runLengthBmp(page);
    report("decodeBmp, RLE8 of one-pixel runs",
           bestOf(3, [&] { decoded = valueOrExit(imaging::decodeBmp(rle), "decodeBmp RLE8"); }));

    // Header-only size reading over a folder of files (hard links of one
    // file each, so the folder stays small on disk).
    QTemporaryDir folder;
    constexpr int kFiles = 100;
    const QString jpegPath = imaging::joinPath(folder.path(), "page.jpg");
    const QString bmpPath = imaging::joinPath(folder.path(), "page.bmp");
    QFile jpegFile(jpegPath);
    QFile bmpFile(bmpPath);
    if (!jpegFile.open(QIODevice::WriteOnly) || jpegFile.write(jpeg) != jpeg.size() ||
        !bmpFile.open(QIODevice::WriteOnly) || bmpFile.write(bmp) != bmp.size()) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(folder.path()));
        return 1;
    }
    jpegFile.close();
    bmpFile.close();
    QStringList jpegPaths;
    QStringList bmpPaths;
    for (int i = 0; i < kFiles; ++i) {
        jpegPaths << imaging::joinPath(folder.path(), QStringLiteral("p%1.jpg").arg(i));
        bmpPaths << imaging::joinPath(folder.path(), QStringLiteral("p%1.bmp").arg(i));
        if (::link(QFile::encodeName(jpegPath).constData(),
                   QFile::encodeName(jpegPaths.last()).constData()) != 0 ||
            ::link(QFile::encodeName(bmpPath).constData(),
                   QFile::encodeName(bmpPaths.last()).constData()) != 0) {
            std::fprintf(stderr, "cannot link files in %s\n", qPrintable(folder.path()));
            return 1;
        }
    }
    const auto readAllSizes = [](const QStringList& paths) {
        for (const QString& path : paths) {
            valueOrExit(imaging::readPictureSize(path), "readPictureSize");
        }
    };
    report("readPictureSize, 100 JPEG files", bestOf(3, [&] { readAllSizes(jpegPaths); }));
    report("readPictureSize, 100 BMP files", bestOf(3, [&] { readAllSizes(bmpPaths); }));

    // Stretches: the whole page into a thumbnail, a page one column wider
    // than its target (the split job's odd half), and a 1:1 copy.
    const int thumbnailHeight = kHeight * kThumbnail / kWidth;
    QImage thumbnail = imaging::filledImage(kThumbnail, kThumbnail, qRgb(255, 255, 255));
    report("stretchCopy 5000x3500 -> 80x56", bestOf(5, [&] {
               imaging::stretchCopy(page, {0, 0, kWidth, kHeight}, thumbnail,
                                    {0, 12, kThumbnail, 12 + thumbnailHeight});
           }));
    QImage narrower = imaging::filledImage(kWidth - 1, kHeight, qRgb(255, 255, 255));
    report("stretchCopy 5000x3500 -> 4999x3500", bestOf(3, [&] {
               imaging::stretchCopy(page, {0, 0, kWidth, kHeight}, narrower,
                                    {0, 0, kWidth - 1, kHeight});
           }));
    QImage same = imaging::filledImage(kWidth, kHeight, qRgb(255, 255, 255));
    report("stretchCopy 5000x3500 -> 5000x3500 (1:1)", bestOf(3, [&] {
               imaging::stretchCopy(page, {0, 0, kWidth, kHeight}, same, {0, 0, kWidth, kHeight});
           }));

    // A thumbnail from the JPEG: full decode then stretch, against decoding
    // only the sampled rows then stretching those.
    const std::vector<int> rows = thumbnailRows(thumbnailHeight);
    const double full = bestOf(3, [&] {
        const QImage whole = valueOrExit(imaging::decodeJpeg(jpeg), "decodeJpeg");
        imaging::stretchCopy(whole, {0, 0, kWidth, kHeight}, thumbnail,
                             {0, 12, kThumbnail, 12 + thumbnailHeight});
    });
    const double sampled = bestOf(3, [&] {
        const QImage picked = valueOrExit(imaging::decodeJpegRows(jpeg, rows), "decodeJpegRows");
        imaging::stretchCopy(picked, {0, 0, kWidth, thumbnailHeight}, thumbnail,
                             {0, 12, kThumbnail, 12 + thumbnailHeight});
    });
    report("thumbnail 80x56 via decodeJpeg + stretch", full);
    report("thumbnail 80x56 via decodeJpegRows (56 rows) + stretch", sampled);
    std::printf("%-58s %10.2f x\n", "  speed-up of row sampling", full / sampled);
    return 0;
}
