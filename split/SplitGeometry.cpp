#include "split/SplitGeometry.h"

#include "split/SharedCrop.h"

#include <QCoreApplication>

#include <algorithm>

namespace split {

namespace {

using core::outOfMemory;
using imaging::PixelRect;

core::Error tooSmall() {
    return {core::ErrorKind::PictureTooSmall,
            QCoreApplication::translate("split", "The picture is too small to split")};
}

// The part of size `size` taken from `from`, which is as large or one
// column or row larger (the far part of an odd width or height). Nearest
// neighbour from n + 1 onto n pixels takes source pixel i * (n + 1) / n = i
// for every i < n, so either way the part is the top-left `size` of `from`,
// taken 1:1 without copying.
std::optional<QImage> takePart(const QImage& picture, const PixelRect& from, QSize size) {
    const PixelRect kept{from.left, from.top, from.left + size.width(), from.top + size.height()};
    QImage part = sharedCrop(picture, kept);
    if (part.isNull()) {
        return std::nullopt;
    }
    return part;
}

}  // namespace

core::Expected<SplitGeometry> splitGeometry(int width, int height, SplitDirection direction,
                                            int centreWidth) {
    if (width < 1 || height < 1) {
        return tooSmall();
    }
    const int hw = width / 2;
    const int hh = height / 2;
    int c = std::max(centreWidth, 0);

    SplitGeometry geometry;
    switch (direction) {
        case SplitDirection::Right:
        case SplitDirection::Left: {
            if (hw <= c) {
                c = 0;
            }
            const PixelRect near{0, 0, hw - c, height};
            const PixelRect far{hw + c, 0, width, height};
            geometry.partSize = QSize(hw - c, height);
            geometry.first = direction == SplitDirection::Right ? near : far;
            geometry.second = direction == SplitDirection::Right ? far : near;
            break;
        }
        case SplitDirection::Down:
        case SplitDirection::Up: {
            if (hh <= c) {
                c = 0;
            }
            const PixelRect near{0, 0, width, hh - c};
            const PixelRect far{0, hh + c, width, height};
            geometry.partSize = QSize(width, hh - c);
            geometry.first = direction == SplitDirection::Down ? near : far;
            geometry.second = direction == SplitDirection::Down ? far : near;
            break;
        }
        case SplitDirection::None:
            c = 0;
            geometry.partSize = QSize(width, height);
            geometry.first = PixelRect{0, 0, width, height};
            break;
    }
    geometry.centreWidth = c;
    if (geometry.partSize.width() < 1 || geometry.partSize.height() < 1) {
        return tooSmall();
    }
    return geometry;
}

core::Expected<SplitParts> cutImage(const QImage& picture, SplitDirection direction,
                                    int centreWidth) {
    const auto geometry = splitGeometry(picture.width(), picture.height(), direction, centreWidth);
    if (!geometry) {
        return geometry.error();
    }
    const QImage rgb = picture.format() == QImage::Format_RGB888
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return outOfMemory();
    }

    SplitParts parts;
    parts.centreWidth = geometry->centreWidth;
    auto first = takePart(rgb, geometry->first, geometry->partSize);
    if (!first) {
        return outOfMemory();
    }
    parts.first = std::move(*first);
    if (geometry->second) {
        auto second = takePart(rgb, *geometry->second, geometry->partSize);
        if (!second) {
            return outOfMemory();
        }
        parts.second = std::move(*second);
    }
    return parts;
}

}  // namespace split
