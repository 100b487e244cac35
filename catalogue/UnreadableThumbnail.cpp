#include "catalogue/UnreadableThumbnail.h"

#include "imaging/Stretch.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace catalogue {

namespace {

constexpr QRgb kSquareGrey = qRgb(176, 176, 176);
constexpr QRgb kCrossGrey = qRgb(96, 96, 96);
constexpr qsizetype kNamesShown = 3;

void setPixel(QImage& image, int x, int y, QRgb colour) {
    uchar* pixel = image.scanLine(y) + 3 * x;
    pixel[0] = static_cast<uchar>(qRed(colour));
    pixel[1] = static_cast<uchar>(qGreen(colour));
    pixel[2] = static_cast<uchar>(qBlue(colour));
}

}  // namespace

QImage unreadableThumbnail(int side, QRgb background) {
    QImage thumbnail = imaging::filledImage(side, side, background);
    if (thumbnail.isNull())
        return thumbnail;
    const int margin = side / 8;
    const int inner = side - 2 * margin;
    const int thickness = std::max(1, side / 40);
    for (int y = 0; y < inner; ++y) {
        for (int x = 0; x < inner; ++x) {
            const bool onCross =
                std::abs(x - y) < thickness || std::abs(x + y - (inner - 1)) < thickness;
            setPixel(thumbnail, margin + x, margin + y, onCross ? kCrossGrey : kSquareGrey);
        }
    }
    return thumbnail;
}

QString unreadableLoadText(const QStringList& names) {
    if (names.isEmpty())
        return {};
    const QString shown =
        names.first(std::min(names.size(), kNamesShown)).join(QStringLiteral(", "));
    const int count = static_cast<int>(names.size());
    if (names.size() <= kNamesShown) {
        return QCoreApplication::translate("catalogue", " Unreadable files %1: %2")
            .arg(count)
            .arg(shown);
    }
    return QCoreApplication::translate("catalogue", " Unreadable files %1: %2 and %3 more")
        .arg(count)
        .arg(shown)
        .arg(count - kNamesShown);
}

}  // namespace catalogue
