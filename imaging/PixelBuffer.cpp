#include "imaging/PixelBuffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <functional>

namespace imaging {

namespace {

// Kept pixel memory of a scan is whole 2 MB pages where the kernel offers
// them: 50 MB of pixels are then some 25 page faults instead of 13,000, and
// reading them across (the margin scan, the turn) misses the TLB less.
// Smaller pictures take ordinary memory.
constexpr size_t kHugePage = size_t{2} << 20;

uchar* allocatePixels(size_t bytes) {
    if (bytes < kHugePage) {
        return static_cast<uchar*>(std::malloc(bytes));
    }
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
#ifdef MADV_HUGEPAGE
    if (memory != nullptr) {
        // Only advice: where huge pages are off, this is ordinary memory.
        madvise(memory, rounded, MADV_HUGEPAGE);
    }
#endif
    return static_cast<uchar*>(memory);
}

}  // namespace

void PixelBuffer::FreePixels::operator()(uchar* bytes) const {
    std::free(bytes);
}

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
        bytes_.reset(allocatePixels(static_cast<size_t>(needed)));
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
