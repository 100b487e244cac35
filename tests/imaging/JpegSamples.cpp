#include "tests/imaging/JpegSamples.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace jpeg_samples {
namespace {

// Test inputs are well-formed; a libjpeg error here is a broken test, and
// an exception (not exit()) lets GoogleTest report it.
[[noreturn]] void throwError(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    throw std::runtime_error(text);
}

void quiet(j_common_ptr, int) {}

struct Compressor {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    Compressor() {
        cinfo.err = jpeg_std_error(&errors);
        errors.error_exit = throwError;
        errors.emit_message = quiet;
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, &buffer, &size);
    }
    ~Compressor() {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }

    QByteArray run(const std::vector<unsigned char>& samples, int components) {
        jpeg_start_compress(&cinfo, TRUE);
        const size_t stride = static_cast<size_t>(cinfo.image_width) * components;
        while (cinfo.next_scanline < cinfo.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(samples.data() + stride * cinfo.next_scanline);
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_compress(&cinfo);
        return QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    }
};

constexpr std::array<unsigned, 64> kLuminance = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};

constexpr std::array<unsigned, 64> kChrominance = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

int segmentLength(const QByteArray& jpeg, qsizetype at) {
    return (static_cast<unsigned char>(jpeg[at + 2]) << 8) |
           static_cast<unsigned char>(jpeg[at + 3]);
}

}  // namespace

QByteArray encode(int width, int height, int components, const std::vector<unsigned char>& samples,
                  const Recipe& recipe) {
    Compressor compressor;
    jpeg_compress_struct& cinfo = compressor.cinfo;
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, recipe.stored);
    jpeg_set_quality(&cinfo, recipe.quality, TRUE);
    cinfo.comp_info[0].h_samp_factor = recipe.lumaH;
    cinfo.comp_info[0].v_samp_factor = recipe.lumaV;
    if (recipe.stored == JCS_RGB || recipe.stored == JCS_CMYK || recipe.stored == JCS_GRAYSCALE) {
        cinfo.comp_info[0].h_samp_factor = 1;  // no subsampling without luma
        cinfo.comp_info[0].v_samp_factor = 1;
    }
    if (!recipe.adobeMarker) {
        cinfo.write_Adobe_marker = FALSE;
    }
    if (recipe.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    cinfo.dct_method = recipe.dct;
    return compressor.run(samples, components);
}

QByteArray encodeLikeProgram(const QImage& rgb888, int quality, J_DCT_METHOD dct) {
    Compressor compressor;
    jpeg_compress_struct& cinfo = compressor.cinfo;
    cinfo.image_width = static_cast<JDIMENSION>(rgb888.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb888.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = dct;
    return compressor.run(rgbSamples(rgb888), 3);
}

std::vector<unsigned char> flatSamples(int width, int height, std::vector<unsigned char> pixel) {
    std::vector<unsigned char> samples;
    samples.reserve(static_cast<size_t>(width) * height * pixel.size());
    for (int i = 0; i < width * height; ++i) {
        samples.insert(samples.end(), pixel.begin(), pixel.end());
    }
    return samples;
}

std::vector<unsigned char> rgbSamples(const QImage& rgb888) {
    std::vector<unsigned char> samples;
    for (int y = 0; y < rgb888.height(); ++y) {
        const uchar* row = rgb888.constScanLine(y);
        samples.insert(samples.end(), row, row + 3 * rgb888.width());
    }
    return samples;
}

std::vector<unsigned char> greySamples(const QImage& rgb888) {
    std::vector<unsigned char> samples;
    for (int y = 0; y < rgb888.height(); ++y) {
        const uchar* row = rgb888.constScanLine(y);
        for (int x = 0; x < rgb888.width(); ++x) {
            samples.push_back(row[3 * x + 1]);
        }
    }
    return samples;
}

HeaderFacts inspect(const QByteArray& jpeg) {
    HeaderFacts facts;
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    errors.error_exit = throwError;
    errors.emit_message = quiet;
    jpeg_create_decompress(&cinfo);
    try {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                     static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&cinfo, TRUE);
        facts.readable = true;
        facts.width = static_cast<int>(cinfo.image_width);
        facts.height = static_cast<int>(cinfo.image_height);
        facts.components = cinfo.num_components;
        facts.colourSpace = cinfo.jpeg_color_space;
        facts.progressive = cinfo.progressive_mode;
        facts.arithmetic = cinfo.arith_code;
        for (int t = 0; t < 2; ++t) {
            if (cinfo.quant_tbl_ptrs[t] != nullptr) {
                std::copy_n(cinfo.quant_tbl_ptrs[t]->quantval, 64, facts.quantTables[t].begin());
            }
        }
    } catch (const std::runtime_error&) {
        facts.readable = false;
    }
    jpeg_destroy_decompress(&cinfo);
    return facts;
}

std::array<unsigned, 64> expectedTable(int table, int quality) {
    quality = std::clamp(quality, 1, 100);
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    std::array<unsigned, 64> scaled{};
    const auto& basic = table == 0 ? kLuminance : kChrominance;
    for (size_t i = 0; i < 64; ++i) {
        const long value = (static_cast<long>(basic[i]) * scale + 50) / 100;
        scaled[i] = static_cast<unsigned>(std::clamp(value, 1L, 255L));
    }
    return scaled;
}

QByteArray withDeclaredSize(QByteArray jpeg, int width, int height) {
    qsizetype at = 2;  // after SOI
    while (at + 9 < jpeg.size()) {
        const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 &&
            marker != 0xcc) {
            jpeg[at + 5] = static_cast<char>(height >> 8);
            jpeg[at + 6] = static_cast<char>(height & 0xff);
            jpeg[at + 7] = static_cast<char>(width >> 8);
            jpeg[at + 8] = static_cast<char>(width & 0xff);
            return jpeg;
        }
        at += 2 + segmentLength(jpeg, at);
    }
    throw std::runtime_error("no SOF segment");
}

QByteArray withRepeatedLastScan(const QByteArray& jpeg, int times) {
    const qsizetype lastScan = jpeg.lastIndexOf(QByteArray("\xff\xda", 2));
    const qsizetype end = jpeg.size() - 2;  // the EOI marker
    const QByteArray scan = jpeg.mid(lastScan, end - lastScan);
    QByteArray result = jpeg.left(end);
    for (int i = 0; i < times; ++i) {
        result += scan;
    }
    return result + jpeg.right(2);
}

}  // namespace jpeg_samples
