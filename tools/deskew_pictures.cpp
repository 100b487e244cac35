// The README's pictures of the automatic deskew: one page of a generated
// crooked spread as the cut at the gutter leaves it, and as the deskew
// straightens it (both reduced, as PNG).
//
//     deskew_pictures FOLDER    writes FOLDER/deskew-before.png, deskew-after.png

#include "bookgen/ScanPainter.h"
#include "bookgen/ScanPlan.h"
#include "imaging/PixelBuffer.h"
#include "split/GutterSearch.h"
#include "split/SplitGeometry.h"
#include "split/Straightening.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: deskew_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bookgen::ScanPlan plan;
    plan.fileName = QStringLiteral("p017.jpg");
    plan.size = QSize(2480, 1754);
    plan.firstPageNumber = 32;
    plan.seed = 17;
    plan.skew = 2.3;
    plan.foldOffset = 0.07;
    const QImage spread = bookgen::paintScan(plan);
    const split::GutterFinding gutter = split::findGutter(spread, split::SplitDirection::Left);
    const auto parts = split::cutImage(spread, split::SplitDirection::Left, 0,
                                       gutter.found() ? std::optional(gutter.cut) : std::nullopt);
    if (spread.isNull() || !parts) {
        std::fprintf(stderr, "cannot make the spread\n");
        return 1;
    }
    // The left page: the second of a right-to-left cut.
    const QImage& page = *parts->second;
    imaging::PixelBuffer buffer;
    split::PageFindings findings;
    const auto straight = split::straightenPage(page, 5.0, buffer, findings);
    if (!straight) {
        std::fprintf(stderr, "out of memory\n");
        return 1;
    }
    const auto save = [&](const QImage& picture, const char* name) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        const bool saved = picture.scaledToWidth(400, Qt::SmoothTransformation).save(path, "PNG");
        std::printf("%s %s\n", qPrintable(path), saved ? "written" : "NOT WRITTEN");
        return saved;
    };
    std::printf("cut at %d, page turned by %.2f degrees\n", gutter.cut, findings.measure.turn);
    return save(page, "deskew-before.png") && save(*straight, "deskew-after.png") ? 0 : 1;
}
