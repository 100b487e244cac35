#include "imaging/BmpHeader.h"

#include <algorithm>
#include <limits>

namespace imaging::detail {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit sizes, 3-byte colours
constexpr quint32 kV4HeaderSize = 108;   // from here on the bit masks are part of the header
constexpr quint32 kMaxColourCount = 256;

quint32 unsignedAt(const QByteArray& bytes, int at, int count) {
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

qint64 signedAt(const QByteArray& bytes, int at, int count) {
    return count == 2 ? static_cast<qint16>(unsignedAt(bytes, at, 2))
                      : static_cast<qint32>(unsignedAt(bytes, at, 4));
}

// The info header sizes Qt's reader reads as such; it takes any other for
// the OS/2 1.x layout and misreads the sizes.
bool isKnownInfoSize(quint32 size) {
    return size == kCoreHeaderSize || size == 40 || size == 64 || size == kV4HeaderSize ||
           size == 124;
}

bool isPalettedDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8;
}

// The compressions Qt's reader decodes at each depth.
bool compressionFitsDepth(quint32 compression, int bits) {
    switch (compression) {
        case kBiRgb:
            return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kBiRle8:
            return bits == 8;
        case kBiRle4:
            return bits == 4;
        case kBiBitFields:
        case kBiAlphaBitFields:
            return bits == 16 || bits == 32;
        default:
            return false;
    }
}

}  // namespace

bool BmpHeader::isRunLengthEncoded() const {
    return compression == kBiRle8 || compression == kBiRle4;
}

qint64 BmpHeader::pixelDataStart() const {
    qint64 masks = 0;
    if (infoSize < kV4HeaderSize &&
        (compression == kBiBitFields || compression == kBiAlphaBitFields)) {
        masks = compression == kBiAlphaBitFields ? 16 : 12;
    }
    qint64 palette = 0;
    if (isPalettedDepth(bitsPerPixel)) {
        const qint64 entries = colourCount != 0 ? colourCount : (1 << bitsPerPixel);
        palette = entries * (infoSize == kCoreHeaderSize ? 3 : 4);
    }
    return std::max<qint64>(pixelOffset, kFileHeaderSize + qint64{infoSize} + masks + palette);
}

qint64 BmpHeader::minimumFileSize() const {
    const qint64 start = pixelDataStart();  // below 2^33 whatever the fields hold
    if (isRunLengthEncoded()) {
        return start + compressedSize;
    }
    // Below 2^37 bits for any 32-bit width, so the stride cannot overflow;
    // the product with the height can.
    const qint64 rowBits = std::max<qint64>(width, 0) * bitsPerPixel;
    const qint64 stride = (rowBits + 31) / 32 * 4;
    const qint64 rows = std::max<qint64>(height, 0);
    constexpr qint64 kLargest = std::numeric_limits<qint64>::max();
    if (rows != 0 && stride > (kLargest - start) / rows) {
        return kLargest;
    }
    return start + stride * rows;
}

std::optional<BmpHeader> parseBmpHeader(const QByteArray& start) {
    if (start.size() < 26 || start[0] != 'B' || start[1] != 'M') {
        return std::nullopt;
    }
    BmpHeader header;
    header.pixelOffset = unsignedAt(start, 10, 4);
    header.infoSize = unsignedAt(start, 14, 4);
    if (!isKnownInfoSize(header.infoSize)) {
        return std::nullopt;
    }
    if (header.infoSize == kCoreHeaderSize) {
        // Signed, as Qt's reader takes them: a negative height is top-down.
        header.width = signedAt(start, 18, 2);
        header.height = signedAt(start, 20, 2);
        header.bitsPerPixel = static_cast<int>(unsignedAt(start, 24, 2));
    } else if (start.size() >= kBmpHeaderBytes) {
        header.width = signedAt(start, 18, 4);
        header.height = signedAt(start, 22, 4);
        header.bitsPerPixel = static_cast<int>(unsignedAt(start, 28, 2));
        header.compression = unsignedAt(start, 30, 4);
        header.compressedSize = unsignedAt(start, 34, 4);
        header.xPixelsPerMetre = unsignedAt(start, 38, 4);
        header.yPixelsPerMetre = unsignedAt(start, 42, 4);
        header.colourCount = unsignedAt(start, 46, 4);
    } else {
        return std::nullopt;
    }
    header.topDown = header.height < 0;
    header.height = header.height < 0 ? -header.height : header.height;  // 64 bits: INT32_MIN too
    if (!compressionFitsDepth(header.compression, header.bitsPerPixel)) {
        return std::nullopt;
    }
    if (isPalettedDepth(header.bitsPerPixel) && header.colourCount > kMaxColourCount) {
        return std::nullopt;
    }
    return header;
}

}  // namespace imaging::detail
