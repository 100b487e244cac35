#include "catalogue/ThumbnailGeometry.h"

#include <cmath>

namespace catalogue {

namespace {

// trunc(numerator / 2) in floating point, as every centring offset is made.
int centringOffset(int side, int drawn) {
    return static_cast<int>(std::trunc((static_cast<double>(side) - drawn) / 2.0));
}

// trunc((part / whole) * side): the quotient first, then the product.
int scaledSide(int part, int whole, int side) {
    const double quotient = static_cast<double>(part) / static_cast<double>(whole);
    return static_cast<int>(std::trunc(quotient * side));
}

imaging::PixelRect placedAt(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace

ThumbnailPlan planThumbnail(QSize pictureSize, int side, bool slowReading) {
    int width = pictureSize.width();
    int height = pictureSize.height();
    ThumbnailPlan plan;
    if (width <= 0 || height <= 0 || side <= 0) {
        return plan;
    }
    if (width <= side && height <= side) {
        plan.target =
            placedAt(centringOffset(side, width), centringOffset(side, height), width, height);
        return plan;
    }
    const qint64 quadrupleSide = qint64{4} * side;
    if (slowReading && width > quadrupleSide && height > quadrupleSide) {
        width /= 4;
        height /= 4;
        plan.reducedSize = QSize(width, height);
    }
    int drawnWidth = side;
    int drawnHeight = side;
    if (width > height) {
        drawnHeight = scaledSide(height, width, side);
    } else {
        drawnWidth = scaledSide(width, height, side);
    }
    plan.target = placedAt(centringOffset(side, drawnWidth), centringOffset(side, drawnHeight),
                           drawnWidth, drawnHeight);
    return plan;
}

QImage buildThumbnail(const QImage& picture, int side, bool slowReading, QRgb background) {
    if (picture.isNull() || side < 1) {
        return {};
    }
    QImage source = picture.format() == QImage::Format_RGB888
                        ? picture
                        : picture.convertToFormat(QImage::Format_RGB888);
    const ThumbnailPlan plan = planThumbnail(source.size(), side, slowReading);
    if (plan.reducedSize) {
        QImage reduced =
            imaging::filledImage(plan.reducedSize->width(), plan.reducedSize->height(), background);
        if (reduced.isNull()) {
            return {};
        }
        imaging::stretchCopy(source, {0, 0, source.width(), source.height()}, reduced,
                             {0, 0, reduced.width(), reduced.height()});
        source = std::move(reduced);
    }
    QImage thumbnail = imaging::filledImage(side, side, background);
    if (thumbnail.isNull()) {
        return {};
    }
    imaging::stretchCopy(source, {0, 0, source.width(), source.height()}, thumbnail, plan.target);
    return thumbnail;
}

}  // namespace catalogue
