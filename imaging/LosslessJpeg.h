#pragma once

#include "core/Error.h"
#include "imaging/CoefficientStore.h"
#include "imaging/PictureIo.h"
#include "imaging/PixelBuffer.h"
#include "imaging/Stretch.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

namespace imaging {

// What a JPEG file's header says about cutting it without decoding it.
struct JpegBlockLayout {
    QSize size;
    // The file's block grid in pixels (its MCU): 8 x 8 for greyscale and
    // 4:4:4, 16 x 16 for 4:2:0, 16 x 8 for 4:2:2. A page keeps the file's
    // blocks only when its left and top edges lie on this grid; right and
    // bottom edges may lie anywhere.
    QSize grid;
    // False for colour spaces whose blocks are not kept (CMYK, YCCK and
    // unknown ones): their pages are decoded and encoded again.
    bool blocksKept = true;

    bool operator==(const JpegBlockLayout&) const = default;
};

// The layout from the header alone. The header errors of decodeJpeg.
core::Expected<JpegBlockLayout> readJpegBlockLayout(const QByteArray& jpeg);
// The same from a file, reading only its first few kilobytes; the errors
// of readPictureSize.
core::Expected<JpegBlockLayout> readJpegBlockLayout(const QString& path);

// The quantised DCT coefficients of one JPEG file, read once, from which
// pages are written without decoding and encoding them again: each page's
// blocks are the file's blocks, moved (and, for a quarter turn, transposed
// with the signs libjpeg's lossless transforms give them), never
// re-quantised. The file's quantisation tables, colour space, sampling,
// JFIF density and markers (EXIF, ICC profile, comments, every APPn) go
// with every page. Pages are written baseline with the standard Huffman
// tables, whatever the file used.
//
// The coefficients live packed in a CoefficientStore that the caller keeps
// (one per thread), so reading a file takes memory of the order of the
// file, not of its pixels; the object must not outlive the store, and the
// store serves one LosslessJpeg at a time. `jpeg` need not outlive read().
class LosslessJpeg {
public:
    // Reads every coefficient of `jpeg`. With `pixels`, the picture is
    // decoded in the same pass, from the coefficients read, into `pixels`
    // (RGB888, the same pixels decodeJpeg gives; valid until the buffer's
    // next use). Files are accepted and refused as by decodeJpeg: a damaged
    // or cut-off file gives an error, never a page. A file whose layout
    // says its blocks are not kept gives an Unsupported error.
    static core::Expected<LosslessJpeg> read(const QByteArray& jpeg, CoefficientStore& store,
                                             PixelBuffer* pixels = nullptr);

    LosslessJpeg(LosslessJpeg&&) noexcept;
    LosslessJpeg& operator=(LosslessJpeg&&) noexcept;
    ~LosslessJpeg();

    const JpegBlockLayout& layout() const;
    // The decoded picture when read() was given pixels, else null.
    const QImage& picture() const;

    // The JPEG of rectangle `page` (in the picture's pixels) into `into`
    // (emptied first, its memory reused), turned a quarter as `turn` says
    // (the same mapping as encodeJpeg's). The page's left and top edges
    // must lie on the block grid and the page inside the picture; a left
    // turn also needs the page's width, a right turn its height, to be a
    // whole number of grid cells. Anything else gives an error and no
    // bytes.
    core::Status writePage(const PixelRect& page, QuarterTurn turn, QByteArray& into) const;

    // The files of `pages`, none turned, each as writePage asks, in their
    // order, written while `jpeg` is read once: a page is written as the
    // file's rows come in, and only the blocks of a page whose rows the
    // file has passed before its turn are kept meanwhile (for two pages
    // side by side the smaller one's; for pages one above the other, or a
    // single page, none). So the memory holds the file and at most one
    // page's packed blocks, and most blocks are never packed. A file whose
    // rows come complete only with its last scan (progressive, or one scan
    // a component) is read whole first, as read() does. The errors of
    // read() and writePage(). Each page is written into `encoded` (its
    // memory reused, as by writePage) and copied out at its size.
    static core::Expected<std::vector<QByteArray>> writeCutPages(
        const QByteArray& jpeg, CoefficientStore& store, const std::vector<PixelRect>& pages,
        QByteArray& encoded);

    struct Reader;

private:
    explicit LosslessJpeg(std::unique_ptr<Reader> reader);
    std::unique_ptr<Reader> reader_;
};

}  // namespace imaging
