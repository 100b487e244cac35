#include "imaging/PixelBuffer.h"

#include <functional>
#include <new>

namespace imaging {

QImage PixelBuffer::picture(int width, int height) {
    if (width < 1 || height < 1) {
        return QImage();
    }
    const qsizetype stride = (static_cast<qsizetype>(width) * 3 + 3) / 4 * 4;
    const qsizetype needed = stride * height;
    if (needed > capacity_) {
        // The old memory goes first, so growing never holds both at once.
        bytes_.reset();
        capacity_ = 0;
        bytes_.reset(new (std::nothrow) uchar[static_cast<size_t>(needed)]);
        if (!bytes_) {
            return QImage();
        }
        capacity_ = needed;
    }
    return QImage(bytes_.get(), width, height, stride, QImage::Format_RGB888);
}

bool PixelBuffer::holds(const uchar* bytes) const {
    const uchar* begin = bytes_.get();
    return begin != nullptr && !std::less<const uchar*>()(bytes, begin) &&
           std::less<const uchar*>()(bytes, begin + capacity_);
}

}  // namespace imaging
