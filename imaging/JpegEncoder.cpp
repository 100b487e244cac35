#include "imaging/JpegErrorManager.h"
#include "imaging/PictureIo.h"

#include <algorithm>
#include <new>

// JPEG output through the libjpeg API with the program's fixed settings.
// As in the decoder, the function that calls libjpeg keeps only plain
// locals, because libjpeg's error exit longjmps back into it.

namespace imaging {
namespace {

using detail::JpegErrorManager;

// Destination manager appending to a QByteArray owned by the caller.
// (jpeg_mem_dest's buffer cannot be freed safely after an error once it has
// grown, so the output collects here instead.)
struct ByteArrayDestination {
    jpeg_destination_mgr pub;  // first member: libjpeg sees a jpeg_destination_mgr*
    QByteArray* out;
    bool outOfMemory;
    JOCTET buffer[16 * 1024];
};

ByteArrayDestination* destinationOf(j_compress_ptr cinfo) {
    return reinterpret_cast<ByteArrayDestination*>(cinfo->dest);
}

void appendBytes(ByteArrayDestination* destination, size_t count) {
    if (destination->outOfMemory) {
        return;
    }
    try {
        destination->out->append(reinterpret_cast<const char*>(destination->buffer),
                                 static_cast<qsizetype>(count));
    } catch (const std::bad_alloc&) {
        destination->outOfMemory = true;
    }
}

void startOutput(j_compress_ptr cinfo) {
    auto* destination = destinationOf(cinfo);
    destination->pub.next_output_byte = destination->buffer;
    destination->pub.free_in_buffer = sizeof destination->buffer;
}

boolean flushFullBuffer(j_compress_ptr cinfo) {
    auto* destination = destinationOf(cinfo);
    appendBytes(destination, sizeof destination->buffer);
    startOutput(cinfo);
    return TRUE;
}

void finishOutput(j_compress_ptr cinfo) {
    auto* destination = destinationOf(cinfo);
    appendBytes(destination, sizeof destination->buffer - destination->pub.free_in_buffer);
}

struct EncodeTarget {
    QByteArray* bytes;
    QString error;
};

bool runEncode(const QImage& rgb, int quality, EncodeTarget* target) {
    jpeg_compress_struct cinfo;
    JpegErrorManager errors;
    ByteArrayDestination destination;
    destination.pub.init_destination = startOutput;
    destination.pub.empty_output_buffer = flushFullBuffer;
    destination.pub.term_destination = finishOutput;
    destination.out = target->bytes;
    destination.outOfMemory = false;
    cinfo.err = detail::installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        target->error = QStringLiteral("JPEGファイルを作れません");
        return false;
    }
    jpeg_create_compress(&cinfo);
    cinfo.dest = &destination.pub;
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_FLOAT;  // after the defaults, which reset it
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg only reads the rows; the cast avoids copying the picture.
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (destination.outOfMemory) {
        target->error = QStringLiteral("メモリが足りません");
        return false;
    }
    return true;
}

}  // namespace

Status encodeJpeg(const QImage& picture, int quality, QByteArray& into) {
    const Expected<QImage> prepared = rgbForEncoding(picture);
    if (!prepared) {
        return prepared.error();
    }
    const QImage& rgb = prepared.value();
    into.resize(0);  // keeps the memory, unlike clear()
    EncodeTarget target{&into, QString()};
    if (!runEncode(rgb, std::clamp(quality, 0, 100), &target)) {
        into.resize(0);
        return ImageError{target.error};
    }
    return success();
}

Expected<QByteArray> encodeJpeg(const QImage& picture, int quality) {
    QByteArray bytes;
    if (const Status encoded = encodeJpeg(picture, quality, bytes); !encoded) {
        return encoded.error();
    }
    return bytes;
}

}  // namespace imaging
