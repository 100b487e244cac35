#pragma once

// Helpers shared by the fuzz targets.

#include <QByteArray>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

// Ends the run when a property of the code under test does not hold;
// libFuzzer then keeps the input that broke it.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// The fuzzer's bytes without a copy, so that AddressSanitizer reports a
// read one byte past the end of the input.
inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                   static_cast<qsizetype>(size));
}

// JPEG pictures above this size are not decoded by the fuzz targets: a few
// hundred bytes of arithmetic-coded data may declare a picture of hundreds
// of megapixels, which decodes correctly but takes a minute under the
// sanitizers. Their headers are still read, and sizes beyond the picture
// limits still go to the decoder, which refuses them at once.
inline constexpr qint64 kLargestFuzzedPixels = 4'000'000;

inline bool tooLargeToFuzz(const QSize& declared) {
    return qint64{declared.width()} * declared.height() > kLargestFuzzedPixels;
}

}  // namespace fuzzing
