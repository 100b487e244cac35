#include "imaging/BmpRows.h"

#include "imaging/BmpHeader.h"

#include <QByteArray>

#include <unistd.h>

namespace imaging {

qint64 BmpRowLayout::offsetOfRows(int top, int count) const {
    const int firstStored = topDown ? top : height - top - count;
    return pixelStart + static_cast<qint64>(firstStored) * stride;
}

std::optional<BmpRowLayout> plainBmpRows(const RegularFile& file) {
    QByteArray start(detail::kBmpHeaderBytes, '\0');
    if (::pread(file.handle(), start.data(), static_cast<size_t>(start.size()), 0) !=
        start.size()) {
        return std::nullopt;
    }
    const std::optional<detail::BmpHeader> header = detail::parseBmpHeader(start);
    if (!header || header->infoSize < 40 || header->bitsPerPixel != 24 ||
        header->compression != detail::kBiRgb || header->width <= 0 || header->height <= 0 ||
        header->width > 0xFFFFFF || header->height > 0xFFFFFF) {
        return std::nullopt;
    }
    BmpRowLayout layout;
    layout.width = static_cast<int>(header->width);
    layout.height = static_cast<int>(header->height);
    layout.pixelStart = header->pixelDataStart();
    layout.stride = (header->width * 3 + 3) / 4 * 4;
    layout.topDown = header->topDown;
    if (layout.pixelStart + layout.stride * layout.height > file.size()) {
        return std::nullopt;
    }
    return layout;
}

void bgrToRgb(const char* stored, int width, uchar* into) {
    for (int x = 0; x < width; ++x) {
        into[3 * x] = static_cast<uchar>(stored[3 * x + 2]);
        into[3 * x + 1] = static_cast<uchar>(stored[3 * x + 1]);
        into[3 * x + 2] = static_cast<uchar>(stored[3 * x]);
    }
}

}  // namespace imaging
