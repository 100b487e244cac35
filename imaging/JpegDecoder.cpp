#include "imaging/HeaderSizes.h"
#include "imaging/ImagingErrors.h"
#include "imaging/JpegErrorManager.h"
#include "imaging/PictureIo.h"
#include "imaging/RegularFile.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

// JPEG input through the libjpeg API. Every function that calls libjpeg
// keeps only plain locals, because libjpeg's error exit longjmps back into
// it: C++ objects live in the caller's frame (DecodeTarget) and are touched
// through small helpers that return before libjpeg runs again.

namespace imaging {
namespace {

using detail::JpegErrorManager;

// Which rows a decode delivers: all of them (rows == nullptr), or the
// listed source rows, skipping the others where libjpeg can.
struct RowRequest {
    const int* rows = nullptr;
    int count = 0;
    bool skip = false;
};

// Results of one decode, owned by the caller.
struct DecodeTarget {
    PixelBuffer* keptPixels = nullptr;  // where the pixels go; a new picture when null
    QImage image;
    QSize size;
    std::optional<core::Error> error;
};

bool acceptSize(DecodeTarget* target, JDIMENSION width, JDIMENSION height) {
    const core::Status allowed = checkPictureSize(width, height);
    if (!allowed.ok()) {
        target->error = allowed.error();
        return false;
    }
    target->size = QSize(static_cast<int>(width), static_cast<int>(height));
    return true;
}

// A cut or forged file is refused before a picture of the size its header
// declares is allocated.
bool acceptDataLength(DecodeTarget* target, j_decompress_ptr cinfo, qint64 byteCount) {
    if (!detail::dataCanHoldPicture(cinfo, byteCount)) {
        target->error = errors::jpegCutOff();
        return false;
    }
    return true;
}

bool acceptRows(DecodeTarget* target, const RowRequest& request, int height) {
    int previous = 0;
    for (int i = 0; i < request.count; ++i) {
        const int row = request.rows[i];
        if (row < previous || row >= height) {
            target->error = errors::badRowRequest();
            return false;
        }
        previous = row;
    }
    return true;
}

bool allocatePicture(DecodeTarget* target, int width, int height) {
    target->image = target->keptPixels != nullptr ? target->keptPixels->picture(width, height)
                                                  : QImage(width, height, QImage::Format_RGB888);
    if (target->image.isNull()) {
        target->error = core::outOfMemory();
        return false;
    }
    return true;
}

void fail(DecodeTarget* target, const JpegErrorManager& errors) {
    if (!target->error) {
        target->error = detail::decodeError(errors);
    }
    target->image = QImage();
}

// libjpeg hands CMYK out as stored. Adobe applications store it inverted
// (0 = full ink) and mark the file with an APP14 "Adobe" segment; other
// writers store plain ink amounts.
void cmykToRgb(const JSAMPLE* cmyk, uchar* rgb, JDIMENSION width, bool adobeInverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        // Ink left out of 255 for each channel, then R = C' * K' / 255.
        const int k = adobeInverted ? cmyk[3] : 255 - cmyk[3];
        for (int channel = 0; channel < 3; ++channel) {
            const int c = adobeInverted ? cmyk[channel] : 255 - cmyk[channel];
            rgb[channel] = static_cast<uchar>((c * k + 127) / 255);
        }
    }
}

// Reads the next scanline into `out` (RGB, width * 3 bytes); `cmykRow`
// is scratch for CMYK pictures. False when libjpeg delivered nothing.
bool readRow(j_decompress_ptr cinfo, uchar* out, JSAMPROW cmykRow) {
    if (cinfo->out_color_space == JCS_CMYK) {
        if (jpeg_read_scanlines(cinfo, &cmykRow, 1) != 1) {
            return false;
        }
        cmykToRgb(cmykRow, out, cinfo->output_width, cinfo->saw_Adobe_marker);
        return true;
    }
    JSAMPROW row = out;
    return jpeg_read_scanlines(cinfo, &row, 1) == 1;
}

// Moves to source row `wanted` (not before the current one).
bool advanceTo(j_decompress_ptr cinfo, JDIMENSION wanted, bool skip, uchar* scratch,
               JSAMPROW cmykRow) {
    if (skip && wanted > cinfo->output_scanline) {
        jpeg_skip_scanlines(cinfo, wanted - cinfo->output_scanline);
    }
    while (cinfo->output_scanline < wanted) {
        if (!readRow(cinfo, scratch, cmykRow)) {
            return false;
        }
    }
    return cinfo->output_scanline == wanted;
}

bool runDecode(const QByteArray& bytes, const RowRequest& request, DecodeTarget* target) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    jpeg_progress_mgr monitor;
    cinfo.err = detail::installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        fail(target, errors);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    detail::installScanLimit(&cinfo, monitor);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    // Refuse forged sizes before libjpeg or we allocate anything large.
    if (!acceptSize(target, cinfo.image_width, cinfo.image_height) ||
        !acceptDataLength(target, &cinfo, bytes.size()) ||
        (request.rows != nullptr &&
         !acceptRows(target, request, static_cast<int>(cinfo.image_height)))) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;  // YCCK arrives as CMYK
    jpeg_start_decompress(&cinfo);

    const JDIMENSION width = cinfo.output_width;
    const JDIMENSION height = cinfo.output_height;
    const int outputRows = request.rows != nullptr ? request.count : static_cast<int>(height);
    if (!allocatePicture(target, static_cast<int>(width), outputRows)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Skipping rows of arithmetic-coded data does not leave libjpeg's
    // decoder where reading them would (damaged data then decode to other
    // pixels), so such files are read row by row.
    const bool skip = request.skip && !cinfo.arith_code;
    JSAMPARRAY scratch = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                    JPOOL_IMAGE, width * 4, 2);
    bool complete = true;
    for (int i = 0; i < outputRows && complete; ++i) {
        uchar* out = target->image.scanLine(i);
        const int wanted = request.rows != nullptr ? request.rows[i] : i;
        if (i > 0 && request.rows != nullptr && wanted == request.rows[i - 1]) {
            std::memcpy(out, target->image.constScanLine(i - 1), width * 3);
            continue;
        }
        complete =
            advanceTo(&cinfo, static_cast<JDIMENSION>(wanted), skip, scratch[0], scratch[1]) &&
            readRow(&cinfo, out, scratch[1]);
    }
    // Decode the rest as well (skipping to the last row costs little), so a
    // damaged or cut-off tail is refused exactly as by a full decode.
    if (complete && cinfo.output_scanline < height) {
        complete = advanceTo(&cinfo, height - 1, skip, scratch[0], scratch[1]) &&
                   readRow(&cinfo, scratch[0], scratch[1]);
    }
    if (!complete) {
        jpeg_destroy_decompress(&cinfo);
        fail(target, errors);
        return false;
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (errors.dataLossWarning != 0) {
        fail(target, errors);
        return false;
    }
    return true;
}

// Reads only the header, from memory or from an open file.
bool runHeaderRead(const QByteArray* bytes, FILE* file, DecodeTarget* target) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = detail::installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        fail(target, errors);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    if (bytes != nullptr) {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes->constData()),
                     static_cast<unsigned long>(bytes->size()));
    } else {
        jpeg_stdio_src(&cinfo, file);
    }
    jpeg_read_header(&cinfo, TRUE);
    const bool accepted = acceptSize(target, cinfo.image_width, cinfo.image_height);
    jpeg_destroy_decompress(&cinfo);
    return accepted;
}

core::Expected<QImage> decodeWith(const QByteArray& bytes, const RowRequest& request,
                                  PixelBuffer* keptPixels = nullptr) {
    DecodeTarget target;
    target.keptPixels = keptPixels;
    if (!runDecode(bytes, request, &target)) {
        return *target.error;
    }
    return std::move(target.image);
}

core::Expected<QSize> sizeResult(bool ok, const DecodeTarget& target) {
    if (!ok) {
        return *target.error;
    }
    return target.size;
}

}  // namespace

core::Expected<QImage> decodeJpeg(const QByteArray& bytes) {
    return decodeWith(bytes, RowRequest{});
}

core::Expected<QImage> decodeJpeg(const QByteArray& bytes, PixelBuffer& into) {
    return decodeWith(bytes, RowRequest{}, &into);
}

core::Expected<QImage> decodeJpegRows(const QByteArray& bytes, const std::vector<int>& rows) {
    if (rows.empty()) {
        return errors::badRowRequest();
    }
    RowRequest request{rows.data(), static_cast<int>(rows.size()), true};
    auto picked = decodeWith(bytes, request);
    if (picked.ok()) {
        return picked;
    }
    // jpeg_skip_scanlines refuses some decoder set-ups; reading every row
    // gives the same pixels, only slower. A damaged file fails both ways.
    request.skip = false;
    return decodeWith(bytes, request);
}

core::Expected<QSize> jpegSize(const QByteArray& bytes) {
    DecodeTarget target;
    const bool ok = runHeaderRead(&bytes, nullptr, &target);
    return sizeResult(ok, target);
}

namespace detail {

// Header of a JPEG file read through stdio, so only the first few
// kilobytes are read however large the file is.
core::Expected<QSize> readJpegFileSize(const QString& path) {
    auto opened = RegularFile::open(path);
    if (!opened) {
        return opened.error();
    }
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::move(opened).value().releaseAsStream(),
                                                     &std::fclose);
    if (!file) {
        return errors::cannotOpen();
    }
    DecodeTarget target;
    const bool ok = runHeaderRead(nullptr, file.get(), &target);
    return sizeResult(ok, target);
}

}  // namespace detail
}  // namespace imaging
