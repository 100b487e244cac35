#pragma once

// JPEG files made and inspected with libjpeg directly, for the variants the
// program's own encoder never writes (greyscale, CMYK, progressive, other
// chroma sampling) and for checking what the encoder wrote.

#include <QByteArray>
#include <QImage>

#include <array>
#include <vector>

#include <jpeglib.h>

namespace jpeg_samples {

struct Recipe {
    J_COLOR_SPACE stored = JCS_YCbCr;  // colour space inside the file
    int lumaH = 2;                     // sampling factors of the first component
    int lumaV = 2;
    bool progressive = false;
    bool adobeMarker = true;  // for CMYK/YCCK: write the APP14 "Adobe" segment
    int quality = 90;
    J_DCT_METHOD dct = JDCT_ISLOW;
};

// Encodes interleaved samples: 1 (grey), 3 (RGB) or 4 (CMYK, as stored)
// bytes per pixel, rows top to bottom.
QByteArray encode(int width, int height, int components, const std::vector<unsigned char>& samples,
                  const Recipe& recipe);

// RGB picture with the same settings as the program's encoder except the
// DCT method, for comparing outputs made in this process.
QByteArray encodeLikeProgram(const QImage& rgb888, int quality, J_DCT_METHOD dct);

// One CMYK colour over a whole picture.
std::vector<unsigned char> flatSamples(int width, int height, std::vector<unsigned char> pixel);

// Interleaved samples of an RGB888 picture, or its grey levels.
std::vector<unsigned char> rgbSamples(const QImage& rgb888);
std::vector<unsigned char> greySamples(const QImage& rgb888);

// What a file's header says.
struct HeaderFacts {
    bool readable = false;
    int width = 0;
    int height = 0;
    int components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    bool progressive = false;
    bool arithmetic = false;
    std::array<std::array<unsigned, 64>, 2> quantTables{};  // natural order
};
HeaderFacts inspect(const QByteArray& jpeg);

// The standard luminance and chrominance tables (natural order) scaled to
// a quality as libjpeg documents it, with baseline limits (1..255).
std::array<unsigned, 64> expectedTable(int table, int quality);

// Replaces the width and height in the first SOFn segment.
QByteArray withDeclaredSize(QByteArray jpeg, int width, int height);

// Repeats the file's last scan (SOS segment and its data) `times` times.
QByteArray withRepeatedLastScan(const QByteArray& jpeg, int times);

}  // namespace jpeg_samples
