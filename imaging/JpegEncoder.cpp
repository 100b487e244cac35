#include "imaging/ImagingErrors.h"
#include "imaging/JpegDestination.h"
#include "imaging/JpegErrorManager.h"
#include "imaging/PictureIo.h"

#include <algorithm>
#include <memory>
#include <new>

// JPEG output through the libjpeg API with the program's fixed settings.
// As in the decoder, the function that calls libjpeg keeps only plain
// locals, because libjpeg's error exit longjmps back into it.

namespace imaging {
namespace {

using detail::JpegErrorManager;

using detail::ByteArrayDestination;

struct EncodeTarget {
    QByteArray* bytes;
    core::Error error;
};

// The rows libjpeg is fed: the picture's own, or, for a quarter turn, rows
// gathered from its columns into a band of kBandRows rows.
constexpr int kBandRows = 128;

struct RowFeed {
    const QImage* rgb;
    QuarterTurn turn;
    uchar* band;  // kBandRows rows of rgb->height() pixels, for a turn
};

int outputWidth(const RowFeed& feed) {
    return feed.turn == QuarterTurn::None ? feed.rgb->width() : feed.rgb->height();
}

int outputHeight(const RowFeed& feed) {
    return feed.turn == QuarterTurn::None ? feed.rgb->height() : feed.rgb->width();
}

// Output rows first .. first + count - 1 of the turned picture, into the
// band. Output row r is source column W - 1 - r (left turn, read top to
// bottom) or r (right turn, read bottom to top). The source is read in
// blocks of kBlockRows rows, so both the rows read and the band rows
// written stay in the cache while a block is copied.
void gatherBand(const RowFeed& feed, int first, int count) {
    constexpr int kBlockRows = 32;
    const QImage& rgb = *feed.rgb;
    const uchar* const bits = rgb.constBits();
    const qsizetype bytesPerLine = rgb.bytesPerLine();
    const int width = rgb.width();
    const int height = rgb.height();
    const bool left = feed.turn == QuarterTurn::Left;
    const size_t stride = static_cast<size_t>(height) * 3;
    for (int top = 0; top < height; top += kBlockRows) {
        const int bottom = std::min(height, top + kBlockRows);
        for (int i = 0; i < count; ++i) {
            const int x = left ? width - 1 - (first + i) : first + i;
            uchar* const outRow = feed.band + static_cast<size_t>(i) * stride;
            for (int y = top; y < bottom; ++y) {
                const uchar* pixel = bits + y * bytesPerLine + x * 3;
                uchar* out = outRow + static_cast<size_t>(left ? y : height - 1 - y) * 3;
                out[0] = pixel[0];
                out[1] = pixel[1];
                out[2] = pixel[2];
            }
        }
    }
}

// Feeds libjpeg the rows from its next scanline on.
void writeNextRows(j_compress_ptr cinfo, const RowFeed& feed) {
    const int next = static_cast<int>(cinfo->next_scanline);
    if (feed.turn == QuarterTurn::None) {
        // libjpeg only reads the rows; the cast avoids copying the picture.
        JSAMPROW row = const_cast<JSAMPROW>(feed.rgb->constScanLine(next));
        jpeg_write_scanlines(cinfo, &row, 1);
        return;
    }
    const int count = std::min(kBandRows, outputHeight(feed) - next);
    gatherBand(feed, next, count);
    JSAMPROW rows[kBandRows];
    for (int i = 0; i < count; ++i) {
        rows[i] = feed.band + static_cast<size_t>(i) * static_cast<size_t>(outputWidth(feed)) * 3;
    }
    jpeg_write_scanlines(cinfo, rows, static_cast<JDIMENSION>(count));
}

bool runEncode(const RowFeed& feed, int quality, EncodeTarget* target) {
    jpeg_compress_struct cinfo;
    JpegErrorManager errors;
    ByteArrayDestination destination;
    cinfo.err = detail::installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        target->error = errors::jpegNotWritten();
        return false;
    }
    jpeg_create_compress(&cinfo);
    detail::installDestination(&cinfo, destination, *target->bytes);
    cinfo.image_width = static_cast<JDIMENSION>(outputWidth(feed));
    cinfo.image_height = static_cast<JDIMENSION>(outputHeight(feed));
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_FLOAT;  // after the defaults, which reset it
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        writeNextRows(&cinfo, feed);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (destination.outOfMemory) {
        target->error = core::outOfMemory();
        return false;
    }
    return true;
}

}  // namespace

core::Status encodeJpeg(const QImage& picture, int quality, QuarterTurn turn, QByteArray& into) {
    const core::Expected<QImage> prepared = rgbForEncoding(picture);
    if (!prepared) {
        return prepared.error();
    }
    const QImage& rgb = prepared.value();
    std::unique_ptr<uchar[]> band;
    if (turn != QuarterTurn::None) {
        band.reset(new (std::nothrow) uchar[static_cast<size_t>(kBandRows) * rgb.height() * 3]);
        if (!band) {
            return core::outOfMemory();
        }
    }
    into.resize(0);  // keeps the memory, unlike clear()
    EncodeTarget target{&into, core::Error{}};
    if (!runEncode(RowFeed{&rgb, turn, band.get()}, std::clamp(quality, 0, 100), &target)) {
        into.resize(0);
        return target.error;
    }
    return core::success();
}

core::Status encodeJpeg(const QImage& picture, int quality, QByteArray& into) {
    return encodeJpeg(picture, quality, QuarterTurn::None, into);
}

core::Expected<QByteArray> encodeJpeg(const QImage& picture, int quality) {
    QByteArray bytes;
    if (const core::Status encoded = encodeJpeg(picture, quality, bytes); !encoded) {
        return encoded.error();
    }
    return bytes;
}

}  // namespace imaging
