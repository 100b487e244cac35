#include "split/PageSurvey.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace split {

namespace {

constexpr double kLongSide = 1750;

// How many pixels of every other row of the reduced page have each grey
// level, and the colour sums of each level over every fourth row.
struct Levels {
    std::array<std::int64_t, 256> count{};
    std::array<std::array<std::int64_t, 4>, 256> colour{};
};

// The grey reduction of `page` into `grey`, counting its levels.
void reduce(const QImage& page, int scale, QImage& grey, Levels& levels) {
    const int width = page.width() / scale;
    const int height = page.height() / scale;
    grey = QImage(width, height, QImage::Format_Grayscale8);
    if (grey.isNull()) {
        return;
    }
    // The grey level of each possible sum of a block row's bytes: a table
    // instead of a division per pixel.
    const int bytes = 3 * scale;
    std::vector<uchar> levelOf(static_cast<size_t>(255 * bytes + 1));
    for (size_t sum = 0; sum < levelOf.size(); ++sum) {
        levelOf[sum] = static_cast<uchar>(sum / static_cast<size_t>(bytes));
    }
    // Four interleaved counts, so that runs of one level (the paper) do not
    // wait on one counter.
    std::array<std::array<std::uint32_t, 256>, 4> counts{};
    for (int y = 0; y < height; ++y) {
        // One row of each block: the rows between are not read at all,
        // which halves the memory a 300 dpi page costs.
        const uchar* in = page.constScanLine(y * scale);
        uchar* out = grey.scanLine(y);
        if (scale == 1) {
            for (int x = 0; x < width; ++x) {
                const uchar* pixel = in + 3 * x;
                out[x] = levelOf[static_cast<size_t>(pixel[0] + pixel[1] + pixel[2])];
            }
        } else if (scale == 2) {
            // The common case (pages of 300 dpi scans), unrolled.
            for (int x = 0; x < width; ++x) {
                const uchar* pixel = in + 6 * x;
                const int sum = pixel[0] + pixel[1] + pixel[2] + pixel[3] + pixel[4] + pixel[5];
                out[x] = levelOf[static_cast<size_t>(sum)];
            }
        } else {
            for (int x = 0; x < width; ++x) {
                const uchar* pixel = in + bytes * x;
                int sum = 0;
                for (int i = 0; i < bytes; ++i) {
                    sum += pixel[i];
                }
                out[x] = levelOf[static_cast<size_t>(sum)];
            }
        }
        // The levels of every other row are enough for the paper's and the
        // darkest print's.
        if (y % 2 == 0) {
            for (int x = 0; x < width; ++x) {
                ++counts[static_cast<size_t>(x & 3)][out[x]];
            }
        }
        if (y % 4 == 0) {
            for (int x = 0; x < width; ++x) {
                auto& kept = levels.colour[out[x]];
                for (const uchar* pixel = in + bytes * x; pixel < in + bytes * (x + 1);
                     pixel += 3) {
                    kept[0] += pixel[0];
                    kept[1] += pixel[1];
                    kept[2] += pixel[2];
                }
                kept[3] += scale;
            }
        }
    }
    for (size_t level = 0; level < 256; ++level) {
        levels.count[level] =
            std::int64_t{counts[0][level]} + counts[1][level] + counts[2][level] + counts[3][level];
    }
}

}  // namespace

int surveyScale(int width, int height) {
    // The long side: the cut does not change it, so both pages of a
    // spread cut off centre are surveyed alike.
    return std::max(1, static_cast<int>(std::lround(std::max(width, height) / kLongSide)));
}

PageSurvey surveyPage(const QImage& page, int scale) {
    PageSurvey survey;
    const QImage rgb =
        page.format() == QImage::Format_RGB888 ? page : page.convertToFormat(QImage::Format_RGB888);
    survey.scale = scale > 0 ? scale : surveyScale(rgb.width(), rgb.height());
    if (rgb.width() < survey.scale || rgb.height() < survey.scale) {
        return survey;
    }
    Levels levels;
    reduce(rgb, survey.scale, survey.grey, levels);
    if (survey.grey.isNull()) {
        return survey;
    }

    // The paper: the grey level with the most pixels around it (a window of
    // five levels evens out the grain), then the mean colour near it.
    const auto countNear = [&](int level, int reach) {
        std::int64_t count = 0;
        for (int l = std::max(0, level - reach); l <= std::min(255, level + reach); ++l) {
            count += levels.count[static_cast<size_t>(l)];
        }
        return count;
    };
    int paperLevel = 255;
    std::int64_t best = -1;
    for (int level = 0; level < 256; ++level) {
        const std::int64_t count = countNear(level, 2);
        if (count > best) {
            best = count;
            paperLevel = level;
        }
    }
    std::array<std::int64_t, 4> near{};
    for (int l = std::max(0, paperLevel - 3); l <= std::min(255, paperLevel + 3); ++l) {
        for (size_t c = 0; c < 4; ++c) {
            near[c] += levels.colour[static_cast<size_t>(l)][c];
        }
    }
    if (near[3] > 0) {
        const auto mean = [&](size_t c) {
            return static_cast<int>((near[c] + near[3] / 2) / near[3]);
        };
        survey.paper = qRgb(mean(0), mean(1), mean(2));
    }

    // The darkest print: the level below which 0.5 % of the page lies.
    std::int64_t total = 0;
    for (const std::int64_t count : levels.count) {
        total += count;
    }
    std::int64_t seen = 0;
    int inkLevel = 0;
    for (; inkLevel < 256; ++inkLevel) {
        seen += levels.count[static_cast<size_t>(inkLevel)];
        if (seen * 200 >= total) {
            break;
        }
    }
    survey.inkBelow = std::min((paperLevel + inkLevel) / 2, paperLevel * 11 / 20);
    return survey;
}

}  // namespace split
