#include "tests/book/PageFiles.h"

#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace book_test {

namespace {

// Plain libjpeg with its default error exit: the pictures are made by the
// test itself, so any error is the test's own.
QByteArray encode(const QImage& picture, JpegColours colours, int dotsPerUnit, int unit) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    const int components = colours == JpegColours::Grey ? 1 : colours == JpegColours::Rgb ? 3 : 4;
    cinfo.input_components = components;
    cinfo.in_color_space = colours == JpegColours::Grey  ? JCS_GRAYSCALE
                           : colours == JpegColours::Rgb ? JCS_RGB
                                                         : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (dotsPerUnit > 0) {
        cinfo.write_JFIF_header = TRUE;
        cinfo.density_unit = static_cast<UINT8>(unit);
        cinfo.X_density = static_cast<UINT16>(dotsPerUnit);
        cinfo.Y_density = static_cast<UINT16>(dotsPerUnit);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(rgb.width() * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const uchar* source = rgb.constScanLine(static_cast<int>(cinfo.next_scanline));
        for (int x = 0; x < rgb.width(); ++x) {
            const uchar* pixel = source + 3 * x;
            JSAMPLE* out = row.data() + x * components;
            if (colours == JpegColours::Grey) {
                out[0] =
                    static_cast<JSAMPLE>((pixel[0] * 30 + pixel[1] * 59 + pixel[2] * 11) / 100);
            } else {
                // Adobe's inverted CMYK of an RGB colour without black ink
                // holds the RGB values themselves, and K 255.
                out[0] = pixel[0];
                out[1] = pixel[1];
                out[2] = pixel[2];
                if (components == 4) {
                    out[3] = 255;
                }
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

void putLittleEndian(QByteArray& bytes, int at, quint32 value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

}  // namespace

void writeJpegPage(const QString& path, const QImage& picture, JpegColours colours, int dotsPerUnit,
                   int unit) {
    testing_support::writeBytes(path, encode(picture, colours, dotsPerUnit, unit));
}

void writeBmpPage(const QString& path, const QImage& picture, quint32 pixelsPerMetre) {
    auto bytes = imaging::encodeBmp(picture.convertToFormat(QImage::Format_RGB888));
    ASSERT_TRUE(bytes.ok());
    putLittleEndian(bytes.value(), 38, pixelsPerMetre);
    putLittleEndian(bytes.value(), 42, pixelsPerMetre);
    testing_support::writeBytes(path, bytes.value());
}

QImage smoothPage(int width, int height, int seed) {
    QImage page(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = page.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uchar>(255 * x / width);
            row[3 * x + 1] = static_cast<uchar>(255 * y / height);
            row[3 * x + 2] = static_cast<uchar>((seed * 70) % 256);
        }
    }
    QPainter painter(&page);
    painter.fillRect(width / 8, height / 8, width / 3, height / 4, QColor(20, 20, 20));
    return page;
}

book::BindRequest bindRequest(const QString& pages, const QString& output, book::Format format) {
    book::BindRequest request;
    request.pagesFolder = pages;
    request.outputFile = output;
    request.format = format;
    return request;
}

}  // namespace book_test
