#pragma once

#include "imaging/Expected.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace imaging {

// Every decoded picture is a QImage in Format_RGB888 (8-bit red, green,
// blue per pixel). Pictures above these limits are refused before any pixel
// memory is allocated, so a forged header cannot exhaust the machine.
inline constexpr int kMaxPictureSide = 65500;
inline constexpr qint64 kMaxPicturePixels = 400'000'000;

enum class PictureKind { Unknown, Jpeg, Bmp };

// The kind chosen by the name's extension (".jpg" or ".bmp", any case).
PictureKind pictureKindOf(const QString& fileName);

// Reads a ".jpg" or ".bmp" file, chosen by its extension. JPEG: baseline and
// progressive, greyscale, RGB, CMYK and YCCK (Adobe inverted CMYK included)
// all come out as RGB. BMP: whatever QImageReader reads (1/4/8/16/24/32 bit,
// RLE, bit fields, top-down). Missing, empty, truncated, corrupt or oversized
// files give an error.
Expected<QImage> loadPicture(const QString& path);

// The pixel size stored in the file's header, without decoding the pixels.
// Same acceptance rules as loadPicture for the header itself.
Expected<QSize> readPictureSize(const QString& path);

// Decoders over bytes already in memory.
Expected<QImage> decodeJpeg(const QByteArray& bytes);
Expected<QImage> decodeBmp(const QByteArray& bytes);

// JPEG output: 3-component RGB at 8 bits, jpeg_set_defaults, floating-point
// DCT, jpeg_set_quality(quality, TRUE) with quality clamped to 0..100 (0 acts
// as 1 through libjpeg's scaling), baseline, not progressive. The float DCT
// may differ by one unit between machines: compare decoded pixels with a
// tolerance, never bytes.
Expected<QByteArray> encodeJpeg(const QImage& picture, int quality);

// BMP output: 24-bit uncompressed Windows bitmap, bottom-up rows padded to
// four bytes, 2835 pixels per metre.
Expected<QByteArray> encodeBmp(const QImage& picture);

}  // namespace imaging
