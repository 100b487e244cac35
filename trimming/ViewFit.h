#pragma once

#include <cstdint>

namespace trimming {

// Where a picture of W x H pixels is drawn in a view of VW x VH pixels.
// Offsets are relative to the view's top-left corner and may be negative:
// a tall picture in a narrow view is centred and cut at both sides.
struct ViewFit {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    // False when the picture is drawn 1:1 (it fits the view as it is).
    bool scaled = false;

    bool operator==(const ViewFit&) const = default;
};

// Trunc(numerator / denominator * factor), the one scaling rule of the view.
//
// The arithmetic is x87 extended precision (long double, 64-bit mantissa on
// x86-64), the quotient rounded before the product, and the result truncated
// toward zero, never rounded to nearest. This matters: 1024 / 2000 * 1500 is
// 767.99999... in extended precision and gives 767, while double precision
// rounds the quotient up and gives 768. Results outside the 32-bit range are
// clamped to it; a division by zero or 0/0 gives 0 or the clamped bound
// instead of undefined behaviour.
int32_t scaledTrunc(int64_t numerator, int64_t denominator, int64_t factor);

// Integer halving truncated toward zero: -5 gives -2.
inline int32_t halfTowardZero(int64_t value) {
    return static_cast<int32_t>(value / 2);
}

// Fits a picture of imageWidth x imageHeight into a view of viewWidth x
// viewHeight:
//  - fits as it is (W <= VW and H <= VH): drawn 1:1, centred;
//  - wider than tall (W > H): full view width, height scaled to match; if
//    that height exceeds the view, full view height and width scaled;
//  - otherwise (tall or square): full view height, width scaled, without
//    comparing the width to the view (the picture is then cut at both sides).
// The offsets centre the drawn size: (VW - width) / 2 and (VH - height) / 2,
// truncated toward zero, so an odd remainder puts the extra pixel on the
// right and bottom.
ViewFit fitImage(int32_t imageWidth, int32_t imageHeight, int32_t viewWidth, int32_t viewHeight);

}  // namespace trimming
