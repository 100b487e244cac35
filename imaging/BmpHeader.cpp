#include "imaging/BmpHeader.h"

namespace imaging::detail {
namespace {

constexpr quint32 kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit sizes
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitFields = 3;
constexpr quint32 kBiAlphaBitFields = 6;

quint32 unsignedAt(const QByteArray& bytes, int at, int count) {
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

qint64 signedAt(const QByteArray& bytes, int at) {
    return static_cast<qint32>(unsignedAt(bytes, at, 4));
}

}  // namespace

qint64 BmpHeader::minimumFileSize() const {
    if (compression != kBiRgb && compression != kBiBitFields && compression != kBiAlphaBitFields) {
        return 0;
    }
    const qint64 rowBits = width * bitsPerPixel;
    const qint64 stride = (rowBits + 31) / 32 * 4;
    return pixelOffset + stride * height;
}

std::optional<BmpHeader> parseBmpHeader(const QByteArray& start) {
    if (start.size() < 26 || start[0] != 'B' || start[1] != 'M') {
        return std::nullopt;
    }
    BmpHeader header;
    header.pixelOffset = unsignedAt(start, 10, 4);
    const quint32 infoSize = unsignedAt(start, 14, 4);
    if (infoSize == kCoreHeaderSize) {
        header.width = unsignedAt(start, 18, 2);
        header.height = unsignedAt(start, 20, 2);
        header.bitsPerPixel = static_cast<int>(unsignedAt(start, 24, 2));
    } else if (infoSize >= 40 && start.size() >= kBmpHeaderBytes) {
        header.width = signedAt(start, 18);
        header.height = signedAt(start, 22);  // negative: rows stored top-down
        if (header.height < 0) {
            header.height = -header.height;  // 64 bits: even INT32_MIN is safe
        }
        header.bitsPerPixel = static_cast<int>(unsignedAt(start, 28, 2));
        header.compression = unsignedAt(start, 30, 4);
    } else {
        return std::nullopt;
    }
    switch (header.bitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            return header;
        default:
            return std::nullopt;
    }
}

}  // namespace imaging::detail
