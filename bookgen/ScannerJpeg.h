#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace bookgen {

// JPEG files as scanners write them and the program's own encoder does not,
// with the settings that encoder uses otherwise: libjpeg's defaults,
// floating-point DCT, jpeg_set_quality(quality, TRUE), baseline. nullopt
// when libjpeg fails.

// A 1-component (greyscale) file of `grey` (Format_Grayscale8), as a
// scanner's greyscale mode writes it.
std::optional<QByteArray> encodeGreyJpeg(const QImage& grey, int quality);

// A colour file of `rgb` (Format_RGB888) without chroma subsampling (4:4:4),
// as scanners set to their best quality write it.
std::optional<QByteArray> encodeFullChromaJpeg(const QImage& rgb, int quality);

}  // namespace bookgen
