#include "split/GutterSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace split {

namespace {

constexpr int kAcross = 600;  // pixels across the cut, after reduction
// The columns read: the band and a little beyond it, so that a gap round a
// fold at the band's edge is seen to end in print.
constexpr double kReadStart = 0.30;
constexpr double kReadEnd = 0.70;
constexpr double kLeastDip = 0.05;    // the fold's shadow, of the paper's level
constexpr double kInkShare = 0.6;     // ink is darker than this share of the paper
constexpr double kLeastGap = 0.01;    // a gap between pages, of the length cut
constexpr double kClearWinner = 1.5;  // the widest gap against the next

// The band reduced: `along` columns of `across` grey values each, column by
// column (column a holds values a * across ... a * across + across - 1).
struct Band {
    int start = 0;  // first pixel of the band along the cut axis
    int scale = 1;
    int along = 0;
    int across = 0;
    std::vector<uchar> grey;

    const uchar* column(int a) const { return grey.data() + static_cast<size_t>(a) * across; }
};

// Reads the band of `picture` (RGB888): `alongX` when the cut axis runs
// along x (a left-right cut), each reduced value the mean of `scale` pixels
// along the axis, one of every `scale` lines across.
Band readBand(const QImage& picture, bool alongX) {
    const int length = alongX ? picture.width() : picture.height();
    const int breadth = alongX ? picture.height() : picture.width();
    Band band;
    band.scale = std::max(1, (breadth + kAcross - 1) / kAcross);
    band.start = static_cast<int>(length * kReadStart);
    const int end = static_cast<int>(length * kReadEnd);
    band.along = (end - band.start) / band.scale;
    band.across = breadth / band.scale;
    if (band.along < 3 || band.across < 1) {
        band.along = 0;
        return band;
    }
    band.grey.resize(static_cast<size_t>(band.along) * band.across);
    const int scale = band.scale;
    const auto meanOf = [scale](const uchar* pixels) {
        int sum = 0;
        for (int i = 0; i < 3 * scale; ++i) {
            sum += pixels[i];
        }
        return static_cast<uchar>(sum / (3 * scale));
    };
    // Rows are read in order either way.
    if (alongX) {
        for (int b = 0; b < band.across; ++b) {
            const uchar* row = picture.constScanLine(b * scale) + 3 * band.start;
            for (int a = 0; a < band.along; ++a) {
                band.grey[static_cast<size_t>(a) * band.across + b] = meanOf(row + 3 * a * scale);
            }
        }
    } else {
        for (int a = 0; a < band.along; ++a) {
            const uchar* row = picture.constScanLine(band.start + a * scale);
            uchar* column = band.grey.data() + static_cast<size_t>(a) * band.across;
            for (int b = 0; b < band.across; ++b) {
                column[b] = meanOf(row + 3 * b * scale);
            }
        }
    }
    return band;
}

// A run of columns [begin, end).
struct Run {
    int begin = 0;
    int end = 0;
    int width() const { return end - begin; }
};

}  // namespace

GutterFinding findGutter(const QImage& spread, SplitDirection direction) {
    GutterFinding finding;
    const bool alongX = direction == SplitDirection::Right || direction == SplitDirection::Left;
    const bool alongY = direction == SplitDirection::Down || direction == SplitDirection::Up;
    finding.cut = alongX ? spread.width() / 2 : alongY ? spread.height() / 2 : 0;
    if (!alongX && !alongY) {
        return finding;
    }
    const QImage rgb = spread.format() == QImage::Format_RGB888
                           ? spread
                           : spread.convertToFormat(QImage::Format_RGB888);
    const Band band = readBand(rgb, alongX);
    if (band.along == 0) {
        return finding;
    }

    // Each column's paper (its grey level at nine tenths: print and pictures
    // cover less of any column than that) and its ink.
    std::vector<double> paper(static_cast<size_t>(band.along));
    std::vector<bool> clean(static_cast<size_t>(band.along));
    const int tolerated = std::max(1, band.across / 500);
    for (int a = 0; a < band.along; ++a) {
        // Both from the column's grey levels counted.
        std::array<int, 256> counts{};
        const uchar* column = band.column(a);
        for (int b = 0; b < band.across; ++b) {
            ++counts[column[b]];
        }
        int level = 0;
        for (int below = 0; level < 255; ++level) {
            below += counts[static_cast<size_t>(level)];
            if (below > band.across * 9 / 10) {
                break;
            }
        }
        paper[static_cast<size_t>(a)] = level;
        int ink = 0;
        for (int l = 0; l < level * kInkShare; ++l) {
            ink += counts[static_cast<size_t>(l)];
        }
        clean[static_cast<size_t>(a)] = ink <= tolerated;
    }

    const auto at = [&](int a) { return band.start + a * band.scale + band.scale / 2; };
    // The reduced columns whose cut lies in the band searched.
    const int length = alongX ? rgb.width() : rgb.height();
    const auto inBand = [&](int a) {
        return at(a) >= length * kGutterBandStart && at(a) <= length * kGutterBandEnd;
    };

    // The fold's shadow: the darkest paper, evened over five columns.
    std::vector<double> smooth(paper.size());
    for (int a = 0; a < band.along; ++a) {
        double sum = 0;
        int count = 0;
        for (int i = std::max(0, a - 2); i <= std::min(band.along - 1, a + 2); ++i) {
            sum += paper[static_cast<size_t>(i)];
            ++count;
        }
        smooth[static_cast<size_t>(a)] = sum / count;
    }
    int fold = -1;
    for (int a = 0; a < band.along; ++a) {
        if (inBand(a) &&
            (fold < 0 || smooth[static_cast<size_t>(a)] < smooth[static_cast<size_t>(fold)])) {
            fold = a;
        }
    }
    std::vector<double> sorted = smooth;
    const auto bright = sorted.begin() + band.along * 9 / 10;
    std::nth_element(sorted.begin(), bright, sorted.end());
    const double darkest = fold >= 0 ? smooth[static_cast<size_t>(fold)] : *bright;
    const double dip = *bright > 0 ? (*bright - darkest) / *bright : 0;
    if (fold >= 0 && dip >= kLeastDip && clean[static_cast<size_t>(fold)]) {
        finding.cut = at(fold);
        finding.sign = GutterSign::Shadow;
        return finding;
    }

    // The widest gap without print between print on both sides.
    std::vector<Run> gaps;
    for (int a = 0; a < band.along;) {
        if (!clean[static_cast<size_t>(a)]) {
            ++a;
            continue;
        }
        Run run{a, a};
        while (run.end < band.along && clean[static_cast<size_t>(run.end)]) {
            ++run.end;
        }
        a = run.end;
        if (run.begin > 0 && run.end < band.along && inBand((run.begin + run.end) / 2)) {
            gaps.push_back(run);
        }
    }
    std::sort(gaps.begin(), gaps.end(),
              [](const Run& x, const Run& y) { return x.width() > y.width(); });
    const double least = std::max(2.0, kLeastGap * length / band.scale);
    if (!gaps.empty() && gaps[0].width() >= least &&
        (gaps.size() == 1 || gaps[0].width() >= kClearWinner * gaps[1].width())) {
        finding.cut = band.start + (gaps[0].begin + gaps[0].end) * band.scale / 2;
        finding.sign = GutterSign::Gap;
    }
    return finding;
}

}  // namespace split
