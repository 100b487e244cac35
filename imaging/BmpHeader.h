#pragma once

// The few facts of a BMP header the program checks itself before Qt's
// reader runs: the size, for the picture limits, and where and how long
// the pixel data must be, because Qt's reader leaves whatever the memory
// held wherever the file fails to supply a pixel. Internal to imaging/.

#include <QByteArray>

#include <optional>

namespace imaging::detail {

// Enough bytes for every header field read here.
inline constexpr int kBmpHeaderBytes = 50;

inline constexpr quint32 kBiRgb = 0;
inline constexpr quint32 kBiRle8 = 1;
inline constexpr quint32 kBiRle4 = 2;
inline constexpr quint32 kBiBitFields = 3;
inline constexpr quint32 kBiAlphaBitFields = 6;

struct BmpHeader {
    quint32 infoSize = 0;  // 12 (OS/2 1.x), 40, 64, 108 or 124
    qint64 width = 0;      // may be zero or negative: checked by the picture limits
    qint64 height = 0;     // rows, whatever their order in the file
    bool topDown = false;  // the file's first row is the top one (a negative height)
    int bitsPerPixel = 0;
    quint32 compression = kBiRgb;
    quint32 compressedSize = 0;  // bytes of pixel data the header declares; may be 0
    quint32 colourCount = 0;     // palette entries; 0 means the full 2^bits
    quint32 pixelOffset = 0;
    // The density, 0 when not given (and always in the OS/2 1.x header).
    quint32 xPixelsPerMetre = 0;
    quint32 yPixelsPerMetre = 0;

    bool isRunLengthEncoded() const;
    // Where Qt's reader starts on the pixels: at the offset the file header
    // gives, but never inside the header, bit masks or colour table, which
    // it reads first.
    qint64 pixelDataStart() const;
    // Bytes the file needs to hold all the pixel data the header declares:
    // every row with its padding when uncompressed (Qt's reader drops a row
    // that lacks it), the declared compressed size when run-length encoded.
    // Saturates instead of overflowing, whatever the header says.
    qint64 minimumFileSize() const;
};

// Reads the file header and the start of the info header from the first
// bytes of a file. Nothing when they are not those of a Windows bitmap
// that Qt's reader accepts (info header sizes, bit depth, compression of
// that depth, colour count).
std::optional<BmpHeader> parseBmpHeader(const QByteArray& start);

}  // namespace imaging::detail
