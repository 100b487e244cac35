#include "split/SharedCrop.h"

#include <algorithm>
#include <memory>

namespace split {

namespace {

// Cleanup of a view: drops the view's reference to the source pixels.
void releaseSource(void* source) {
    const std::unique_ptr<QImage> owner(static_cast<QImage*>(source));
}

}  // namespace

QImage sharedCrop(const QImage& picture, const imaging::PixelRect& box) {
    const imaging::PixelRect clipped{std::max(box.left, 0), std::max(box.top, 0),
                                     std::min(box.right, picture.width()),
                                     std::min(box.bottom, picture.height())};
    if (picture.isNull() || clipped.width() <= 0 || clipped.height() <= 0) {
        return QImage();
    }
    if (picture.format() != QImage::Format_RGB888) {
        return imaging::copyRect(picture, clipped);
    }
    if (clipped == imaging::PixelRect{0, 0, picture.width(), picture.height()}) {
        return picture;
    }
    // The view holds its own reference to the source's pixels.
    auto source = std::make_unique<QImage>(picture);
    const uchar* first = source->constScanLine(clipped.top) + 3 * clipped.left;
    QImage view(first, clipped.width(), clipped.height(), source->bytesPerLine(),
                QImage::Format_RGB888, releaseSource, source.get());
    if (view.isNull()) {
        return imaging::copyRect(picture, clipped);
    }
    source.release();  // now owned by the view's cleanup
    return view;
}

}  // namespace split
