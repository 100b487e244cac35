// The BMP header parser on any bytes: no undefined arithmetic (UBSan stops
// the run), the same result from the whole file as from its first bytes (the
// size reader reads only those), and for a picture within the limits a
// minimum file size that covers the start of the pixels and, uncompressed,
// every row (a run-length stream is walked on its own before decoding).

#include "fuzz/FuzzCheck.h"
#include "imaging/BmpHeader.h"
#include "imaging/PictureIo.h"

using fuzzing::require;
using imaging::detail::BmpHeader;

namespace {

bool sameHeader(const BmpHeader& a, const BmpHeader& b) {
    return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel &&
           a.compression == b.compression && a.pixelOffset == b.pixelOffset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const auto header = imaging::detail::parseBmpHeader(bytes);
    const auto fromStart =
        imaging::detail::parseBmpHeader(bytes.left(imaging::detail::kBmpHeaderBytes));
    require(
        header.has_value() == fromStart.has_value() && (!header || sameHeader(*header, *fromStart)),
        "the first bytes alone give the same header");
    if (!header) {
        return 0;
    }
    const qint64 minimum = header->minimumFileSize();
    if (imaging::checkPictureSize(header->width, header->height).ok()) {
        const qint64 rowBytes = header->isRunLengthEncoded() ? 0 : 4;
        require(minimum >= header->pixelDataStart() + rowBytes * header->height,
                "the minimum file size covers the start of the pixels and every row");
    }
    return 0;
}
