#include "bookgen/GreyJpeg.h"

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

bool runEncode(const QImage& grey, int quality, std::FILE* stream) {
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
    cinfo.image_width = static_cast<JDIMENSION>(grey.width());
    cinfo.image_height = static_cast<JDIMENSION>(grey.height());
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_FLOAT;  // after the defaults, which reset it
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(grey.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

std::optional<QByteArray> encodeGreyJpeg(const QImage& grey, int quality) {
    if (grey.isNull() || grey.format() != QImage::Format_Grayscale8) {
        return std::nullopt;
    }
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* stream = open_memstream(&buffer, &length);
    if (stream == nullptr) {
        return std::nullopt;
    }
    const bool encoded = runEncode(grey, quality, stream);
    const bool closed = std::fclose(stream) == 0;
    const std::unique_ptr<char, void (*)(void*)> owned(buffer, &std::free);
    if (!encoded || !closed) {
        return std::nullopt;
    }
    return QByteArray(owned.get(), static_cast<qsizetype>(length));
}

}  // namespace bookgen
