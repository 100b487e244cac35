#include "split/PageTurn.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
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

// Target columns turned together, so that the source rows they read stay
// cached.
constexpr int kStrip = 256;
// Source rows are fetched this many target rows ahead, a cache line (some
// 21 pixels) at a time.
constexpr int kAhead = 8;
constexpr int kFetchStep = 16;

// Where a target row starts in the source, and its run of pixels whose
// neighbours all lie inside the page.
struct RowRun {
    std::int64_t x = 0;
    std::int64_t y = 0;
    int begin = 0;
    int end = 0;
};

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
inline void mixPixel(const uchar* a, const uchar* c, int fx, int fy, uchar* out, bool last) {
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
    // one; the last pixel of a run writes three.
    if (last) {
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

// A run of `count` target pixels from `out` on, whose source points start
// at (sx, sy) and step by (stepX, stepY), all four neighbours of each
// inside the page. Its last pixel writes three bytes: the pixel after it
// (the row's edge, done before) or the row's end is not to be touched.
struct Run {
    const uchar* bits;
    qsizetype stride;
    std::int64_t sx;
    std::int64_t sy;
    std::int64_t stepX;
    std::int64_t stepY;
    int count;
    uchar* out;
};

constexpr int kWeightShift = kFractionBits - kWeightBits;

inline int weightOf(std::int64_t position) {
    return static_cast<int>((position >> kWeightShift) & (kWeightOne - 1));
}

inline const uchar* topLeftOf(const Run& run, std::int64_t sx, std::int64_t sy) {
    return run.bits + (sy >> kFractionBits) * run.stride + 3 * (sx >> kFractionBits);
}

// The run from its `first` pixel on, one pixel at a time.
void turnRunFrom(const Run& run, int first) {
    std::int64_t sx = run.sx + first * run.stepX;
    std::int64_t sy = run.sy + first * run.stepY;
    uchar* out = run.out + 3 * first;
    for (int i = first; i < run.count; ++i, out += 3, sx += run.stepX, sy += run.stepY) {
        const uchar* a = topLeftOf(run, sx, sy);
        mixPixel(a, a + run.stride, weightOf(sx), weightOf(sy), out, i == run.count - 1);
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
#define QUILLFOLD_AVX2 __attribute__((target("avx2")))

// Lanes a0 b0 a1 b1 a2 b2 a3 b3 of one pixel's row of neighbours.
QUILLFOLD_AVX2 inline __m128i neighbours(const uchar* p) {
    std::uint32_t left;
    std::uint32_t right;
    std::memcpy(&left, p, 4);
    std::memcpy(&right, p + 3, 4);
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(left)),
                             _mm_cvtsi32_si128(static_cast<int>(right)));
}

// The weight pairs (1 - w, w) of two pixels, each in its half.
QUILLFOLD_AVX2 inline __m256i weights(int w0, int w1) {
    const int first = (w0 << 16) | (kWeightOne - w0);
    const int second = (w1 << 16) | (kWeightOne - w1);
    return _mm256_setr_epi32(first, first, first, first, second, second, second, second);
}

// Two pixels at a time in the two halves of 256-bit lanes, on processors
// that have them: the same arithmetic as mixPixel, so the same bytes.
QUILLFOLD_AVX2 void turnRunPairs(const Run& run) {
    const __m256i rounding = _mm256_set1_epi32(kMixRounding);
    const __m256i zero = _mm256_setzero_si256();
    std::int64_t sx = run.sx;
    std::int64_t sy = run.sy;
    uchar* out = run.out;
    // The run's last pixel is left to turnRunFrom, which writes three bytes.
    const int pairs = (run.count - 1) / 2;
    for (int i = 0; i < pairs; ++i, out += 6) {
        const std::int64_t sx1 = sx + run.stepX;
        const std::int64_t sy1 = sy + run.stepY;
        const uchar* a0 = topLeftOf(run, sx, sy);
        const uchar* a1 = topLeftOf(run, sx1, sy1);
        const __m256i ab = _mm256_cvtepu8_epi16(_mm_unpacklo_epi64(neighbours(a0), neighbours(a1)));
        const __m256i cd = _mm256_cvtepu8_epi16(
            _mm_unpacklo_epi64(neighbours(a0 + run.stride), neighbours(a1 + run.stride)));
        const __m256i wx = weights(weightOf(sx), weightOf(sx1));
        const __m256i both =
            _mm256_packs_epi32(_mm256_madd_epi16(ab, wx), _mm256_madd_epi16(cd, wx));
        const __m256i lanes = _mm256_unpacklo_epi16(both, _mm256_srli_si256(both, 8));
        const __m256i wy = weights(weightOf(sy), weightOf(sy1));
        const __m256i mixed =
            _mm256_srai_epi32(_mm256_add_epi32(_mm256_madd_epi16(lanes, wy), rounding), kMixShift);
        const __m256i bytes = _mm256_packus_epi16(_mm256_packs_epi32(mixed, zero), zero);
        const auto first = static_cast<std::uint32_t>(_mm256_cvtsi256_si32(bytes));
        const auto second = static_cast<std::uint32_t>(_mm256_extract_epi32(bytes, 4));
        // The second pixel's write covers the first one's fourth byte.
        std::memcpy(out, &first, 4);
        std::memcpy(out + 3, &second, 4);
        sx = sx1 + run.stepX;
        sy = sy1 + run.stepY;
    }
    turnRunFrom(run, 2 * pairs);
}

void turnRun(const Run& run) {
    static const bool pairs = __builtin_cpu_supports("avx2");
    if (pairs) {
        turnRunPairs(run);
    } else {
        turnRunFrom(run, 0);
    }
}
#else
void turnRun(const Run& run) {
    turnRunFrom(run, 0);
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
        if (ix < -1 || iy < -1 || ix >= width || iy >= height) {
            // All four neighbours outside: the corners turned in.
            std::memcpy(out, paper, 3);
            return;
        }
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

    // The source point moves along a straight line across a target row, so
    // the pixels whose neighbours all lie inside form one run [begin, end);
    // the pixels before and after it take the careful way, first.
    std::vector<RowRun> runs(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const double dy = y - cy;
        RowRun& run = runs[static_cast<size_t>(y)];
        run.x = fixedPoint(cx - cosine * cx + sine * dy) + kWeightRounding;
        run.y = fixedPoint(cy + sine * cx + cosine * dy) + kWeightRounding;
        uchar* const row = target.scanLine(y);
        run.begin = 0;
        while (run.begin < width && !inside(run.x + run.begin * stepX, run.y + run.begin * stepY)) {
            edgePixel(run.x + run.begin * stepX, run.y + run.begin * stepY, row + 3 * run.begin);
            ++run.begin;
        }
        run.end = width;
        while (run.end > run.begin &&
               !inside(run.x + (run.end - 1) * stepX, run.y + (run.end - 1) * stepY)) {
            --run.end;
            edgePixel(run.x + run.end * stepX, run.y + run.end * stepY, row + 3 * run.end);
        }
    }
    // The runs, in strips of target columns: a strip's source rows stay in
    // the first-level cache from one target row to the next.
    for (int strip = 0; strip < width; strip += kStrip) {
        const int stripEnd = std::min(width, strip + kStrip);
        for (int y = 0; y < height; ++y) {
            const RowRun& run = runs[static_cast<size_t>(y)];
            const int begin = std::max(run.begin, strip);
            const int end = std::min(run.end, stripEnd);
            if (begin >= end) {
                continue;
            }
            if (y + kAhead < height) {
                // The source rows a later target row reads: fetched while
                // this one is worked on, for a strip's rows are far apart
                // in memory and each target row brings in new ones.
                const RowRun& later = runs[static_cast<size_t>(y + kAhead)];
                const int from = std::max(later.begin, strip);
                const int to = std::min(later.end, stripEnd);
                for (int x = from; x < to; x += kFetchStep) {
                    const uchar* a = bits + ((later.y + x * stepY) >> kFractionBits) * stride +
                                     3 * ((later.x + x * stepX) >> kFractionBits);
                    __builtin_prefetch(a);
                    __builtin_prefetch(a + stride);
                }
            }
            turnRun(Run{bits, stride, run.x + begin * stepX, run.y + begin * stepY, stepX, stepY,
                        end - begin, target.scanLine(y) + 3 * begin});
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
