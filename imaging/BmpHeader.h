#pragma once

// The few facts of a BMP header the program checks itself before Qt's
// reader runs: the size, for the picture limits, and how long the file must
// be, because Qt's reader fills a cut-off file's missing rows with whatever
// the memory held. Internal to imaging/.

#include <QByteArray>

#include <optional>

namespace imaging::detail {

// Enough bytes for every header field read here.
inline constexpr int kBmpHeaderBytes = 34;

struct BmpHeader {
    qint64 width = 0;
    qint64 height = 0;  // rows, whatever their order in the file
    int bitsPerPixel = 0;
    quint32 compression = 0;
    quint32 pixelOffset = 0;

    // Bytes an uncompressed file needs to hold every row with its padding
    // (Qt's reader drops a row that lacks it); 0 when compressed.
    qint64 minimumFileSize() const;
};

// Reads the file header and the start of the info header from the first
// bytes of a file. Nothing when they are not those of a Windows bitmap.
std::optional<BmpHeader> parseBmpHeader(const QByteArray& start);

}  // namespace imaging::detail
