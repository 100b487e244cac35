#include "split/SkewMeasure.h"

#include <leptonica/allheaders.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace split {

namespace {

// Less print than this share of the page is a blank page (a page number,
// a speck, the shadow of the binding).
constexpr double kLeastInk = 0.002;
// A text page falls into at least this many lines, each no higher than
// this share of the page.
constexpr int kLeastLines = 5;
constexpr double kHighestLine = 0.05;
// Leptonica's confidence: how far the best angle's score stands above the
// weakest of the sweep. Dense print (Japanese characters fill their
// squares) stands less far above than Western print, which reaches 3 and
// more; a page without any best angle stays near 1, or 0 when its scores
// are too weak to count.
constexpr float kLeastConfidence = 1.3f;

struct PixFree {
    void operator()(PIX* pix) const { pixDestroy(&pix); }
};
using Pix = std::unique_ptr<PIX, PixFree>;

struct NumaFree {
    void operator()(NUMA* numa) const { numaDestroy(&numa); }
};
using Numa = std::unique_ptr<NUMA, NumaFree>;

// Leptonica reports through stderr by default; the program shows its own
// results instead.
void quietLeptonica() {
    static std::once_flag once;
    std::call_once(once, [] { setMsgSeverity(L_SEVERITY_NONE); });
}

#if defined(__SSE2__)
// The 32 bits of `word` in reverse order.
l_uint32 reversed(l_uint32 word) {
    word = ((word >> 1) & 0x55555555u) | ((word & 0x55555555u) << 1);
    word = ((word >> 2) & 0x33333333u) | ((word & 0x33333333u) << 2);
    word = ((word >> 4) & 0x0f0f0f0fu) | ((word & 0x0f0f0f0fu) << 4);
    return __builtin_bswap32(word);
}
#endif

// The ink of `grey` as a 1-bpp picture (1 = ink), and its share of the page.
Pix binarised(const QImage& grey, int inkBelow, double& inkShare) {
    const int width = grey.width();
    const int height = grey.height();
    Pix pix(pixCreate(width, height, 1));
    if (!pix) {
        return pix;
    }
    l_uint32* data = pixGetData(pix.get());
    const int wordsPerLine = pixGetWpl(pix.get());
    long long ink = 0;
    for (int y = 0; y < height; ++y) {
        const uchar* row = grey.constScanLine(y);
        l_uint32* line = data + static_cast<ptrdiff_t>(y) * wordsPerLine;
        int x = 0;
#if defined(__SSE2__)
        // Whole words of 32 pixels, 16 compared at a time: the mask has
        // the leftmost pixel in its lowest bit, the word in its top bit.
        const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
        const __m128i below = _mm_set1_epi8(static_cast<char>(inkBelow ^ 0x80));
        const auto inkMask = [&](const uchar* pixels) {
            const __m128i values =
                _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels)), flip);
            return static_cast<l_uint32>(_mm_movemask_epi8(_mm_cmplt_epi8(values, below)));
        };
        for (; x + 32 <= width; x += 32) {
            const l_uint32 word = reversed(inkMask(row + x) | inkMask(row + x + 16) << 16);
            line[x >> 5] = word;
            ink += std::popcount(word);
        }
#endif
        for (; x < width; x += 32) {
            const int end = std::min(width, x + 32);
            l_uint32 word = 0;
            for (int i = x; i < end; ++i) {
                word |= static_cast<l_uint32>(row[i] < inkBelow) << (31 - (i - x));
            }
            line[x >> 5] = word;
            ink += std::popcount(word);
        }
    }
    inkShare = static_cast<double>(ink) / (static_cast<double>(width) * height);
    return pix;
}

// How the rows of `pix`, sheared by `degrees` as the measure shears them,
// fall into lines: the runs of rows with print, no higher than a line can
// be, between rows with next to none; and the share of the rows from the
// first line to the last that are blank, which is larger across the lines
// a page is set in than along them (the gaps between lines of text, or
// columns of Japanese text, are wider than those between the characters
// that happen to stand side by side across them).
struct Lines {
    int count = 0;
    double blankShare = 0;
};

Lines linesOf(PIX* pix, double degrees) {
    const Pix sheared(pixVShearCorner(nullptr, pix,
                                      static_cast<l_float32>(degrees * std::numbers::pi / 180.0),
                                      L_BRING_IN_WHITE));
    if (!sheared) {
        return {};
    }
    const Numa rows(pixCountPixelsByRow(sheared.get(), nullptr));
    if (!rows) {
        return {};
    }
    const int count = numaGetCount(rows.get());
    std::vector<float> profile(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        numaGetFValue(rows.get(), i, &profile[static_cast<size_t>(i)]);
    }
    std::vector<float> sorted = profile;
    const auto high = sorted.begin() + count * 95 / 100;
    std::nth_element(sorted.begin(), high, sorted.end());
    const float peak = *high;
    if (peak <= 0) {
        return {};
    }
    const float inLine = std::max(1.0f, peak * 0.35f);
    const float blank = peak * 0.1f;
    const int tallest = std::max(3, static_cast<int>(count * kHighestLine));
    Lines lines;
    int run = 0;
    int first = -1;
    int last = -1;
    for (int i = 0; i <= count; ++i) {
        if (i < count && profile[static_cast<size_t>(i)] > inLine) {
            first = first < 0 ? i : first;
            last = i;
            ++run;
            continue;
        }
        if (run >= 2 && run <= tallest) {
            ++lines.count;
        }
        run = 0;
    }
    if (last > first) {
        const auto blankRows = std::count_if(profile.begin() + first, profile.begin() + last + 1,
                                             [&](float value) { return value <= blank; });
        lines.blankShare = static_cast<double>(blankRows) / (last - first + 1);
    }
    return lines;
}

// One orientation's measure.
struct Reading {
    double turn = 0;
    float confidence = 0;
    Lines lines;
};

// Coarse: a sweep in half degrees at a quarter of the survey's size,
// halved down to a tenth of a degree at half its size. `reduction` is how
// much `pix` is reduced from the survey already (1 or 2).
Reading read(PIX* pix, double reach, int reduction) {
    Reading reading;
    l_float32 angle = 0;
    l_float32 confidence = 0;
    l_float32 score = 0;
    if (pixFindSkewSweepAndSearchScore(pix, &angle, &confidence, &score, 4 / reduction,
                                       2 / reduction, 0.0f, static_cast<l_float32>(reach), 0.5f,
                                       0.1f) != 0) {
        return reading;
    }
    reading.confidence = confidence;
    reading.turn = angle;
    reading.lines = linesOf(pix, angle);
    return reading;
}

// Fine: a sweep in tenths of a degree, 0.3 either side of the coarse angle at
// half the survey's size, halved down to a fiftieth of a degree at its
// full size.
double refine(PIX* pix, double coarse) {
    l_float32 angle = 0;
    l_float32 confidence = 0;
    l_float32 score = 0;
    // (The Pivot form: the plain one drops the sweep's centre in some
    // Leptonica releases and sweeps around 0.)
    // The fine search's own confidence says nothing here (its sweep is too
    // narrow for a weakest angle, and small pages score too low for it):
    // only a search that failed, its best at the edge of the sweep, which
    // reports angle 0 and no score, leaves the coarse angle standing.
    constexpr float kWindow = 0.3f;
    if (pixFindSkewSweepAndSearchScorePivot(pix, &angle, &confidence, &score, 2, 1,
                                            static_cast<l_float32>(coarse), kWindow, 0.1f, 0.02f,
                                            L_SHEAR_ABOUT_CORNER) != 0 ||
        score <= 0 || std::abs(angle - coarse) > kWindow) {
        return coarse;
    }
    return angle;
}

bool trusted(const Reading& reading) {
    return reading.confidence >= kLeastConfidence && reading.lines.count >= kLeastLines;
}

}  // namespace

SkewMeasure measureSkew(const QImage& page, double reach) {
    return measureSkew(surveyPage(page), reach);
}

SkewMeasure measureSkew(const PageSurvey& survey, double reach) {
    quietLeptonica();
    SkewMeasure measure;
    if (survey.grey.isNull()) {
        return measure;
    }
    double inkShare = 0;
    const Pix rows = binarised(survey.grey, survey.inkBelow, inkShare);
    if (!rows || inkShare < kLeastInk) {
        return measure;
    }
    // Columns of text are measured as rows of the page turned a quarter
    // turn; a turn commutes with a quarter turn, so the angle is the same.
    // The coarse reading needs no more than half the survey's size, which
    // is a quarter of the work of the turn.
    const Pix half(pixReduceRankBinary2(rows.get(), 1, nullptr));
    const Pix halfColumns(half ? pixRotate90(half.get(), 1) : nullptr);
    const Reading horizontal = read(rows.get(), reach, 1);
    const Reading vertical = halfColumns ? read(halfColumns.get(), reach, 2) : Reading{};

    // Japanese characters set on a grid stand in rows as well as in their
    // columns: with both trusted, the lines with the wider gaps between
    // them are the ones the page is set in.
    const bool useVertical =
        trusted(vertical) &&
        (!trusted(horizontal) || vertical.lines.blankShare > horizontal.lines.blankShare);
    const Reading& chosen = useVertical ? vertical : horizontal;
    measure.lines = useVertical ? TextLines::Vertical : TextLines::Horizontal;
    measure.turn = chosen.turn;
    if (!trusted(chosen)) {
        const int lines = std::max(horizontal.lines.count, vertical.lines.count);
        measure.doubt = lines < kLeastLines ? SkewDoubt::Picture : SkewDoubt::Unclear;
        return measure;
    }
    if (useVertical) {
        const Pix columns(pixRotate90(rows.get(), 1));
        measure.turn = columns ? refine(columns.get(), chosen.turn) : chosen.turn;
    } else {
        measure.turn = refine(rows.get(), chosen.turn);
    }
    measure.confident = true;
    measure.doubt = SkewDoubt::None;
    return measure;
}

}  // namespace split
