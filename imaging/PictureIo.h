#pragma once

#include "core/Error.h"
#include "imaging/PixelBuffer.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace imaging {

// Every decoded picture is a QImage in Format_RGB888 (8-bit red, green,
// blue per pixel). Pictures above these limits are refused before any pixel
// memory is allocated, so a forged header cannot exhaust the machine.
// All functions here are reentrant: several threads may decode and encode
// at once.
inline constexpr int kMaxPictureSide = 65500;
inline constexpr qint64 kMaxPicturePixels = 400'000'000;
// Qt's BMP reader takes at most 16384 x 16384 pixels (1 GiB as 32-bit
// pixels), whatever their shape.
inline constexpr qint64 kMaxBmpPixels = 16384LL * 16384;

// The longest file of each kind that a picture within these limits needs;
// a longer one is refused before its bytes are read into memory.
//
// BMP: at most 4 bytes a pixel. Rows of 32 bits a pixel need no padding and
// narrower rows pad to at most 4 bytes a pixel; run-length data spend at
// most 4 too (a one-pixel run and an end of line for each one-pixel row).
// The rest covers the headers, bit masks, a 256-colour table and the end
// marker.
inline constexpr qint64 kMaxBmpFileBytes = 4 * kMaxPicturePixels + 64 * 1024;
// JPEG: Huffman-coded 8-bit samples take under 2 bytes a sample even for
// random noise at quality 100 without subsampling (1.6 measured with the
// standard tables, baseline or progressive); CMYK has 4 samples a pixel.
// The rest is room for metadata.
inline constexpr qint64 kMaxJpegFileBytes = 8 * kMaxPicturePixels + 64 * 1024 * 1024;

// Success when a picture of this size is within the limits above (and at
// most `maxPixels`), otherwise the error "画像が大きすぎます (WxH)" (or a
// damaged-file error for sizes below one pixel). Computed in 64 bits, so
// any header value is safe.
core::Status checkPictureSize(qint64 width, qint64 height, qint64 maxPixels = kMaxPicturePixels);

// The picture as the encoders take it: RGB888, within the size limits; an
// error for a null picture or when the conversion runs out of memory.
core::Expected<QImage> rgbForEncoding(const QImage& picture);

enum class PictureKind { Unknown, Jpeg, Bmp };

// The kind chosen by the name's extension (".jpg" or ".bmp", any case).
PictureKind pictureKindOf(const QString& fileName);

// Reads a ".jpg" or ".bmp" file, chosen by its extension. JPEG: baseline and
// progressive, greyscale, RGB, CMYK and YCCK (Adobe inverted CMYK included)
// all come out as RGB. BMP: whatever QImageReader reads (1/4/8/16/24/32 bit,
// RLE, bit fields, top-down); an RLE stream must write every pixel in turn
// (no early end, no delta jumps). Missing, empty, truncated, corrupt or
// oversized files give an error, and so does running out of memory
// ("メモリが足りません"): nothing is thrown.
core::Expected<QImage> loadPicture(const QString& path);

// The memory one thread keeps for reading pictures one after the other:
// the file's bytes and the decoded pixels.
struct ReadBuffers {
    QByteArray fileBytes;
    PixelBuffer pixels;
};

// loadPicture reading into `kept`: the same pictures and errors, but the
// file's bytes and a JPEG's pixels go into memory kept from the last call
// (a BMP's pixels are still a picture of their own). A JPEG picture is
// therefore valid only until `kept` is used again (see PixelBuffer).
core::Expected<QImage> loadPicture(const QString& path, ReadBuffers& kept);

// The bytes of a ".jpg" or ".bmp" file, chosen by its extension, read whole
// once its length is known to be within the longest a file of that kind
// needs (kMaxJpegFileBytes, kMaxBmpFileBytes); "ファイルが大きすぎます"
// otherwise, before anything is read. The errors are those of loadPicture.
core::Expected<QByteArray> readPictureFile(const QString& path);
// The same into `into`, whose memory is reused when it is large enough.
core::Status readPictureFile(const QString& path, QByteArray& into);

// The pixel size stored in the file's header, without decoding the pixels.
// Same acceptance rules as loadPicture for the header itself.
core::Expected<QSize> readPictureSize(const QString& path);

// Decoders over bytes already in memory.
//
// A JPEG file whose compressed data end early or are damaged (libjpeg's
// "premature end", "bad Huffman code" and similar warnings) is refused even
// though libjpeg would hand out a picture with grey or garbled rows: a
// damaged scan must not silently become a page of the output. Harmless
// warnings (extra bytes between markers, unknown JFIF revision) are ignored.
core::Expected<QImage> decodeJpeg(const QByteArray& bytes);
core::Expected<QImage> decodeBmp(const QByteArray& bytes);
// decodeJpeg with the pixels in `into` (valid until its next use).
core::Expected<QImage> decodeJpeg(const QByteArray& bytes, PixelBuffer& into);

// Selected rows of a JPEG picture: an RGB888 image of the picture's full
// width and rows.size() rows whose row i equals row rows[i] of
// decodeJpeg(bytes). `rows` must be ascending (repeats allowed) and inside
// the picture. Rows in between are skipped without colour conversion where
// libjpeg can, so a nearest-neighbour thumbnail costs a fraction of a full
// decode. The file is accepted or refused exactly as by decodeJpeg.
core::Expected<QImage> decodeJpegRows(const QByteArray& bytes, const std::vector<int>& rows);

// The pixel size in a JPEG header, read without decoding pixels.
core::Expected<QSize> jpegSize(const QByteArray& bytes);

// JPEG output: 3-component RGB at 8 bits, jpeg_set_defaults, floating-point
// DCT, jpeg_set_quality(quality, TRUE) with quality clamped to 0..100 (0 acts
// as 1 through libjpeg's scaling), baseline, not progressive. The float DCT
// may differ by one unit between machines: compare decoded pixels with a
// tolerance, never bytes.
core::Expected<QByteArray> encodeJpeg(const QImage& picture, int quality);
// The same bytes written into `into` (emptied first, its memory reused).
core::Status encodeJpeg(const QImage& picture, int quality, QByteArray& into);

// A quarter turn applied while encoding. Source pixel (x, y) of a W x H
// picture lands on (y, W - 1 - x) for Left (counter-clockwise) and on
// (H - 1 - y, x) for Right (clockwise).
enum class QuarterTurn { None, Left, Right };
// The JPEG of `picture` turned a quarter: the same bytes as encoding the
// turned picture, without ever holding it (the rows libjpeg asks for are
// gathered from the picture's columns, sixteen at a time).
core::Status encodeJpeg(const QImage& picture, int quality, QuarterTurn turn, QByteArray& into);

// BMP output: 24-bit uncompressed Windows bitmap, bottom-up rows padded to
// four bytes, 2835 pixels per metre.
core::Expected<QByteArray> encodeBmp(const QImage& picture);

}  // namespace imaging
