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

namespace {

// The parts on either side of a cut at `cut` (between 1 and length - 1),
// each whole.
core::Expected<SplitGeometry> geometryAt(int width, int height, SplitDirection direction,
                                         int centreWidth, int cut) {
    const bool across = direction == SplitDirection::Right || direction == SplitDirection::Left;
    const int length = across ? width : height;
    if (cut < 1 || cut >= length) {
        return tooSmall();
    }
    int c = std::max(centreWidth, 0);
    if (c >= cut || c >= length - cut) {
        c = 0;
    }
    const PixelRect near =
        across ? PixelRect{0, 0, cut - c, height} : PixelRect{0, 0, width, cut - c};
    const PixelRect far =
        across ? PixelRect{cut + c, 0, width, height} : PixelRect{0, cut + c, width, height};
    const bool nearFirst = direction == SplitDirection::Right || direction == SplitDirection::Down;
    SplitGeometry geometry;
    geometry.centreWidth = c;
    geometry.atCentre = false;
    geometry.first = nearFirst ? near : far;
    geometry.second = nearFirst ? far : near;
    geometry.partSize = QSize(geometry.first.right - geometry.first.left,
                              geometry.first.bottom - geometry.first.top);
    return geometry;
}

}  // namespace

core::Expected<SplitGeometry> splitGeometry(int width, int height, SplitDirection direction,
                                            int centreWidth, std::optional<int> cut) {
    if (width < 1 || height < 1) {
        return tooSmall();
    }
    if (cut && direction != SplitDirection::None) {
        return geometryAt(width, height, direction, centreWidth, *cut);
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
                                    int centreWidth, std::optional<int> cut) {
    const auto geometry =
        splitGeometry(picture.width(), picture.height(), direction, centreWidth, cut);
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
        const PixelRect& from = *geometry->second;
        const QSize size = geometry->atCentre
                               ? geometry->partSize
                               : QSize(from.right - from.left, from.bottom - from.top);
        auto second = takePart(rgb, from, size);
        if (!second) {
            return outOfMemory();
        }
        parts.second = std::move(*second);
    }
    return parts;
}

}  // namespace split
