#include "split/PageTurn.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace split {

namespace {

// Source positions are fixed point with 32 fraction bits, stepped by exact
// integer additions along a row: a row of 30,000 pixels drifts by less than
// 1e-5 pixel from the exact position.
constexpr int kFractionBits = 32;
constexpr double kOne = 4294967296.0;  // 2^32
// The weights are the top 7 fraction bits (steps of 1/128 pixel), rounded:
// half a weight step is added before truncating. Seven bits keep every
// product of the mix within 16-bit lanes.
constexpr int kWeightBits = 7;
constexpr int kWeightOne = 1 << kWeightBits;
constexpr std::int64_t kWeightRounding = std::int64_t{1} << (kFractionBits - kWeightBits - 1);
constexpr int kMixShift = 2 * kWeightBits;
constexpr int kMixRounding = 1 << (kMixShift - 1);

std::int64_t fixedPoint(double value) {
    return std::llround(value * kOne);
}

// One channel mixed from its four neighbours: top-left a, top-right b,
// bottom-left c, bottom-right d, with weights fx, fy in 0..127 (of 128).
inline uchar mix(int a, int b, int c, int d, int fx, int fy) {
    const int top = a * (kWeightOne - fx) + b * fx;
    const int bottom = c * (kWeightOne - fx) + d * fx;
    return static_cast<uchar>((top * (kWeightOne - fy) + bottom * fy + kMixRounding) >> kMixShift);
}

#if defined(__SSE2__)
// The same mix for the three channels at once, in 16-bit lanes. `a` and `c`
// point at the top-left and bottom-left neighbours; four bytes are read at
// a, a + 3, c and c + 3, so the pixel two to the right must exist.
inline void mixPixel(const uchar* a, const uchar* c, int fx, int fy, uchar* out, bool lastInRow) {
    const auto load = [](const uchar* p) {
        std::uint32_t word;
        std::memcpy(&word, p, 4);
        return _mm_cvtsi32_si128(static_cast<int>(word));
    };
    const __m128i zero = _mm_setzero_si128();
    // Lanes: a0 b0 a1 b1 a2 b2 a3 b3, and c0 d0 ... for the lower row.
    const __m128i ab = _mm_unpacklo_epi8(_mm_unpacklo_epi8(load(a), load(a + 3)), zero);
    const __m128i cd = _mm_unpacklo_epi8(_mm_unpacklo_epi8(load(c), load(c + 3)), zero);
    const __m128i wx = _mm_set1_epi32((fx << 16) | (kWeightOne - fx));
    const __m128i top = _mm_madd_epi16(ab, wx);
    const __m128i bottom = _mm_madd_epi16(cd, wx);
    // Lanes: top0 bottom0 top1 bottom1 ... (each at most 255 * 128).
    const __m128i both = _mm_packs_epi32(top, bottom);
    const __m128i pairs = _mm_unpacklo_epi16(both, _mm_srli_si128(both, 8));
    const __m128i wy = _mm_set1_epi32((fy << 16) | (kWeightOne - fy));
    const __m128i mixed = _mm_srai_epi32(
        _mm_add_epi32(_mm_madd_epi16(pairs, wy), _mm_set1_epi32(kMixRounding)), kMixShift);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(mixed, zero), zero);
    const std::uint32_t word = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
    // The fourth byte lands on the next pixel, which is written after this
    // one; the last pixel of a row writes three.
    if (lastInRow) {
        std::memcpy(out, &word, 3);
    } else {
        std::memcpy(out, &word, 4);
    }
}
#else
inline void mixPixel(const uchar* a, const uchar* c, int fx, int fy, uchar* out, bool) {
    for (int channel = 0; channel < 3; ++channel) {
        out[channel] = mix(a[channel], a[channel + 3], c[channel], c[channel + 3], fx, fy);
    }
}
#endif

void turnInto(const QImage& source, QImage& target, double degrees, QRgb background) {
    const int width = source.width();
    const int height = source.height();
    const uchar* bits = source.constBits();
    const qsizetype stride = source.bytesPerLine();
    const uchar paper[3] = {static_cast<uchar>(qRed(background)),
                            static_cast<uchar>(qGreen(background)),
                            static_cast<uchar>(qBlue(background))};

    const double radians = degrees * std::numbers::pi / 180.0;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    const double cx = (width - 1) / 2.0;
    const double cy = (height - 1) / 2.0;
    // Along a target row the source point moves by (cos, -sin) per pixel.
    const std::int64_t stepX = fixedPoint(cosine);
    const std::int64_t stepY = fixedPoint(-sine);
    constexpr int kWeightShift = kFractionBits - kWeightBits;
    // Where all four neighbours lie inside the page, with the pixel two to
    // the right of the top-left one as well (the lanes read four bytes).
    const auto inner = static_cast<std::uint64_t>(std::max(width - 2, 0));
    const auto innerRows = static_cast<std::uint64_t>(std::max(height - 1, 0));

    // The colour of source pixel (x, y), or the paper's outside the page.
    const auto at = [&](std::int64_t x, std::int64_t y) -> const uchar* {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return paper;
        }
        return bits + y * stride + 3 * x;
    };

    const auto edgePixel = [&](std::int64_t sx, std::int64_t sy, uchar* out) {
        const std::int64_t ix = sx >> kFractionBits;
        const std::int64_t iy = sy >> kFractionBits;
        const int fx = static_cast<int>((sx >> kWeightShift) & (kWeightOne - 1));
        const int fy = static_cast<int>((sy >> kWeightShift) & (kWeightOne - 1));
        const uchar* a = at(ix, iy);
        const uchar* b = at(ix + 1, iy);
        const uchar* c = at(ix, iy + 1);
        const uchar* d = at(ix + 1, iy + 1);
        for (int channel = 0; channel < 3; ++channel) {
            out[channel] = mix(a[channel], b[channel], c[channel], d[channel], fx, fy);
        }
    };
    const auto inside = [&](std::int64_t sx, std::int64_t sy) {
        return static_cast<std::uint64_t>(sx >> kFractionBits) < inner &&
               static_cast<std::uint64_t>(sy >> kFractionBits) < innerRows;
    };

    for (int y = 0; y < height; ++y) {
        const double dy = y - cy;
        const std::int64_t rowX = fixedPoint(cx - cosine * cx + sine * dy) + kWeightRounding;
        const std::int64_t rowY = fixedPoint(cy + sine * cx + cosine * dy) + kWeightRounding;
        uchar* const row = target.scanLine(y);
        // The source point moves along a straight line, so the pixels whose
        // neighbours all lie inside form one run [begin, end); the pixels
        // before and after it take the careful way.
        int begin = 0;
        while (begin < width && !inside(rowX + begin * stepX, rowY + begin * stepY)) {
            edgePixel(rowX + begin * stepX, rowY + begin * stepY, row + 3 * begin);
            ++begin;
        }
        int end = width;
        while (end > begin && !inside(rowX + (end - 1) * stepX, rowY + (end - 1) * stepY)) {
            --end;
            edgePixel(rowX + end * stepX, rowY + end * stepY, row + 3 * end);
        }
        // The lanes write a fourth byte; the row's last pixel must not.
        const int lanesEnd = end == width ? end - 1 : end;
        std::int64_t sx = rowX + begin * stepX;
        std::int64_t sy = rowY + begin * stepY;
        uchar* out = row + 3 * begin;
        for (int x = begin; x < lanesEnd; ++x, out += 3, sx += stepX, sy += stepY) {
            const uchar* a = bits + (sy >> kFractionBits) * stride + 3 * (sx >> kFractionBits);
            mixPixel(a, a + stride, static_cast<int>((sx >> kWeightShift) & (kWeightOne - 1)),
                     static_cast<int>((sy >> kWeightShift) & (kWeightOne - 1)), out, false);
        }
        if (lanesEnd < end) {
            const uchar* a = bits + (sy >> kFractionBits) * stride + 3 * (sx >> kFractionBits);
            mixPixel(a, a + stride, static_cast<int>((sx >> kWeightShift) & (kWeightOne - 1)),
                     static_cast<int>((sy >> kWeightShift) & (kWeightOne - 1)), out, true);
        }
    }
}

QImage rgbOf(const QImage& picture) {
    return picture.format() == QImage::Format_RGB888
               ? picture
               : picture.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

QImage turnPage(const QImage& page, double degrees, QRgb background) {
    if (page.isNull() || degrees == 0.0) {
        return page;
    }
    const QImage source = rgbOf(page);
    if (source.isNull()) {
        return QImage();
    }
    QImage target(source.size(), QImage::Format_RGB888);
    if (target.isNull()) {
        return QImage();
    }
    turnInto(source, target, degrees, background);
    return target;
}

QImage turnPage(const QImage& page, double degrees, QRgb background, imaging::PixelBuffer& into) {
    if (page.isNull() || degrees == 0.0 || into.holds(page.constBits())) {
        return turnPage(page, degrees, background);
    }
    const QImage source = rgbOf(page);
    if (source.isNull()) {
        return QImage();
    }
    QImage target = into.picture(source.width(), source.height());
    if (target.isNull()) {
        return QImage();
    }
    turnInto(source, target, degrees, background);
    return target;
}

}  // namespace split
