#include "bookgen/ScannerJpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

// libjpeg reports a fatal error by longjmp-ing out of the library, so the
// function that calls it keeps only plain locals. The file is collected by
// an open_memstream stream, whose buffer is valid after fclose on every
// path (jpeg_mem_dest's buffer is not, once it has grown).

namespace bookgen {

namespace {

struct ErrorJump {
    jpeg_error_mgr pub;  // first member: libjpeg sees a jpeg_error_mgr*
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

void stayQuiet(j_common_ptr) {}

// `picture` is Grayscale8 (one component) or RGB888 (three, none
// subsampled).
bool runEncode(const QImage& picture, int quality, std::FILE* stream) {
    const bool grey = picture.format() == QImage::Format_Grayscale8;
    jpeg_compress_struct cinfo;
    ErrorJump errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jumpOut;
    errors.pub.output_message = stayQuiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, stream);
    cinfo.image_width = static_cast<JDIMENSION>(picture.width());
    cinfo.image_height = static_cast<JDIMENSION>(picture.height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.comp_info[0].h_samp_factor = 1;  // no subsampling: 4:4:4 for colour
    cinfo.comp_info[0].v_samp_factor = 1;
    cinfo.dct_method = JDCT_FLOAT;  // after the defaults, which reset it
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(picture.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

std::optional<QByteArray> encodeToMemory(const QImage& picture, int quality) {
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* stream = open_memstream(&buffer, &length);
    if (stream == nullptr) {
        return std::nullopt;
    }
    const bool encoded = runEncode(picture, quality, stream);
    const bool closed = std::fclose(stream) == 0;
    const std::unique_ptr<char, void (*)(void*)> owned(buffer, &std::free);
    if (!encoded || !closed) {
        return std::nullopt;
    }
    return QByteArray(owned.get(), static_cast<qsizetype>(length));
}

}  // namespace

std::optional<QByteArray> encodeGreyJpeg(const QImage& grey, int quality) {
    if (grey.isNull() || grey.format() != QImage::Format_Grayscale8) {
        return std::nullopt;
    }
    return encodeToMemory(grey, quality);
}

std::optional<QByteArray> encodeFullChromaJpeg(const QImage& rgb, int quality) {
    if (rgb.isNull() || rgb.format() != QImage::Format_RGB888) {
        return std::nullopt;
    }
    return encodeToMemory(rgb, quality);
}

}  // namespace bookgen
