#include "trimming/ViewFit.h"

#include <cmath>
#include <limits>

namespace trimming {

int32_t scaledTrunc(int64_t numerator, int64_t denominator, int64_t factor) {
    // volatile keeps each step rounded to extended precision on its own, as
    // the view's arithmetic requires, whatever the optimiser would fuse.
    const volatile long double quotient =
        static_cast<long double>(numerator) / static_cast<long double>(denominator);
    const long double product = quotient * static_cast<long double>(factor);
    if (std::isnan(product)) {
        return 0;
    }
    const long double truncated = std::trunc(product);
    constexpr auto lowest = std::numeric_limits<int32_t>::min();
    constexpr auto highest = std::numeric_limits<int32_t>::max();
    if (truncated <= static_cast<long double>(lowest)) {
        return lowest;
    }
    if (truncated >= static_cast<long double>(highest)) {
        return highest;
    }
    return static_cast<int32_t>(truncated);
}

ViewFit fitImage(int32_t imageWidth, int32_t imageHeight, int32_t viewWidth, int32_t viewHeight) {
    ViewFit fit;
    if (imageWidth <= viewWidth && imageHeight <= viewHeight) {
        fit.width = imageWidth;
        fit.height = imageHeight;
        fit.scaled = false;
    } else if (imageWidth > imageHeight) {
        fit.width = viewWidth;
        fit.height = scaledTrunc(viewWidth, imageWidth, imageHeight);
        if (viewHeight < fit.height) {
            fit.height = viewHeight;
            fit.width = scaledTrunc(viewHeight, imageHeight, imageWidth);
        }
        fit.scaled = true;
    } else {
        fit.height = viewHeight;
        fit.width = scaledTrunc(viewHeight, imageHeight, imageWidth);
        fit.scaled = true;
    }
    fit.left = halfTowardZero(int64_t{viewWidth} - fit.width);
    fit.top = halfTowardZero(int64_t{viewHeight} - fit.height);
    return fit;
}

}  // namespace trimming
