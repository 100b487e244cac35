#include "bookgen/Paper.h"

#include "bookgen/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bookgen {

namespace {

// A bell of the given depth and width (in pixels) around `centre`.
float dip(double position, double centre, double width, double depth) {
    const double d = (position - centre) / width;
    return static_cast<float>(depth * std::exp(-d * d));
}

// The light of `length` pixels along one axis: full light less the dips
// that `shade` gives for a pixel centre.
template <typename Shade>
std::vector<float> lightAlong(int length, Shade shade) {
    std::vector<float> light(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        light[static_cast<std::size_t>(i)] = 1.0f - shade(i + 0.5);
    }
    return light;
}

// Rows: a little darker towards the top and bottom edges.
std::vector<float> rowLight(int height) {
    return lightAlong(height, [height](double centre) {
        return dip(centre, 0, 0.015 * height, 0.03) + dip(centre, height, 0.015 * height, 0.04);
    });
}

uchar clampByte(float value) {
    return static_cast<uchar>(std::clamp(value, 0.0f, 255.0f) + 0.5f);
}

}  // namespace

Surface Surface::paper(int tint) {
    return Surface{{236 + tint, 231 + tint, 215 + tint / 2}, {30, 28, 32}, 6};
}

Surface Surface::cloth() {
    return Surface{{42, 66, 94}, {214, 186, 112}, 10};
}

Lighting Lighting::spread(QSize size) {
    return spread(size, size.width() / 2.0);
}

Lighting Lighting::spread(QSize size, double fold) {
    const double width = size.width();
    const double page = width / 2;
    return Lighting{lightAlong(size.width(),
                               [=](double centre) {
                                   return dip(centre, fold, 0.018 * width, 0.26) +
                                          dip(centre, fold, 0.07 * width, 0.08) +
                                          dip(centre, fold - page, 0.012 * width, 0.05) +
                                          dip(centre, fold + page, 0.012 * width, 0.05);
                               }),
                    rowLight(size.height())};
}

Lighting Lighting::page(QSize size, float bindingShadow) {
    const double width = size.width();
    return Lighting{lightAlong(size.width(),
                               [=](double centre) {
                                   return dip(centre, 0, 0.025 * width, bindingShadow) +
                                          dip(centre, width, 0.012 * width, 0.04);
                               }),
                    rowLight(size.height())};
}

namespace {

// The scan with the light of each pixel given by `lightAt(x, y, rowLight)`.
template <typename LightAt>
QImage compose(const QImage& ink, const Surface& surface, const Lighting& lighting,
               std::uint64_t seed, LightAt lightAt) {
    const int width = ink.width();
    const int height = ink.height();
    QImage scan(width, height, QImage::Format_RGB888);
    if (scan.isNull()) {
        return scan;
    }
    const float grainScale = static_cast<float>(surface.grain) / 255.0f;
    for (int y = 0; y < height; ++y) {
        // A stream of its own for every row: the grain of a row does not
        // depend on how the rows before it were drawn.
        Random grain(Random::mix(seed, static_cast<std::uint64_t>(y)));
        const uchar* amounts = ink.constScanLine(y);
        uchar* out = scan.scanLine(y);
        const float rowLight = lighting.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const float light = lightAt(x, y, rowLight);
            // Triangular noise from two random bytes: mostly small, rarely
            // the full amount.
            const std::uint64_t bits = grain.next();
            const float noise =
                (static_cast<float>((bits & 0xff) + ((bits >> 8) & 0xff)) - 255.0f) * grainScale;
            const float cover = static_cast<float>(amounts[x]) / 255.0f;
            for (int c = 0; c < 3; ++c) {
                const float surfaceLevel = static_cast<float>(surface.base[c]) * light + noise;
                const float inkLevel = static_cast<float>(surface.ink[c]) * light + noise * 0.5f;
                out[3 * x + c] = clampByte(surfaceLevel + (inkLevel - surfaceLevel) * cover);
            }
        }
    }
    return scan;
}

}  // namespace

QImage composeScan(const QImage& ink, const Surface& surface, const Lighting& lighting,
                   std::uint64_t seed) {
    return compose(ink, surface, lighting, seed, [&](int x, int, float rowLight) {
        return lighting.columns[static_cast<std::size_t>(x)] * rowLight;
    });
}

QImage composeScan(const QImage& ink, const Surface& surface, const Lighting& lighting,
                   std::uint64_t seed, double skew) {
    if (skew == 0) {
        return composeScan(ink, surface, lighting, seed);
    }
    // Each pixel's centre turned back onto the book, where its light was.
    const double radians = skew * std::numbers::pi / 180;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    const double cx = ink.width() / 2.0;
    const double cy = ink.height() / 2.0;
    const auto clamped = [](double position, const std::vector<float>& light) {
        const auto last = static_cast<double>(light.size() - 1);
        return light[static_cast<std::size_t>(std::clamp(std::floor(position), 0.0, last))];
    };
    return compose(ink, surface, lighting, seed, [&](int x, int y, float) {
        const double dx = x + 0.5 - cx;
        const double dy = y + 0.5 - cy;
        const double u = cx + cosine * dx + sine * dy;
        const double v = cy - sine * dx + cosine * dy;
        return clamped(u, lighting.columns) * clamped(v, lighting.rows);
    });
}

}  // namespace bookgen
