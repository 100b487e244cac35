// Any bytes given to the BMP decoder give an RGB picture within the picture
// limits or an error message, never a crash; a decoded picture has the size
// the header reader reports, and every one of its pixels comes from the
// file: decoding twice, once over memory left full of 0x00 and once over
// memory left full of 0xff, gives the same picture.

#include "fuzz/FuzzCheck.h"
#include "imaging/BmpHeader.h"
#include "imaging/PictureIo.h"

#include <array>
#include <cstring>

using fuzzing::require;

// Freed memory is handed out again at once and not pre-filled, so that the
// blocks left behind by fillFreedMemory are what the decoder gets.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=0:thread_local_quarantine_size_kb=0:max_malloc_fill_size=0";
}

namespace {

// Bytes of the picture Qt's reader allocates for this header: one bit per
// pixel, eight bits for palettes of 16 or 256 colours, 32 bits otherwise,
// rows padded to four bytes.
qint64 readerPictureBytes(const imaging::detail::BmpHeader& header) {
    const int depth = header.bitsPerPixel == 1 ? 1 : header.bitsPerPixel <= 8 ? 8 : 32;
    return (header.width * depth + 31) / 32 * 4 * header.height;
}

// Leaves freed blocks of `size` bytes full of `fill` where the next
// allocations of that size land.
void fillFreedMemory(qint64 size, unsigned char fill) {
    std::array<void*, 16> blocks{};
    for (void*& block : blocks) {
        block = std::malloc(static_cast<size_t>(size));
        if (block != nullptr) {
            std::memset(block, fill, static_cast<size_t>(size));
        }
    }
    for (void* block : blocks) {
        std::free(block);
    }
}

core::Expected<QImage> decodeOver(const QByteArray& bytes, qint64 pictureBytes,
                                  unsigned char fill) {
    if (pictureBytes > 0 && pictureBytes <= (qint64{64} << 20)) {
        fillFreedMemory(pictureBytes, fill);
    }
    return imaging::decodeBmp(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const auto header =
        imaging::detail::parseBmpHeader(bytes.left(imaging::detail::kBmpHeaderBytes));
    const qint64 pictureBytes =
        header && imaging::checkPictureSize(header->width, header->height).ok()
            ? readerPictureBytes(*header)
            : 0;
    const core::Expected<QImage> picture = decodeOver(bytes, pictureBytes, 0x00);
    if (!picture) {
        require(!picture.error().message.isEmpty(), "a refused BMP has a message");
        return 0;
    }
    require(!picture->isNull() && picture->format() == QImage::Format_RGB888,
            "a decoded BMP is an RGB888 picture");
    require(header && picture->width() == header->width && picture->height() == header->height,
            "the header reader gives the size of the decoded picture");
    const core::Expected<QImage> again = decodeOver(bytes, pictureBytes, 0xff);
    require(again.ok() && *again == *picture,
            "every pixel of a decoded BMP comes from the file, not from leftover memory");
    return 0;
}
