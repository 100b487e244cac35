#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace bookgen {

// A 1-component (greyscale) JPEG file of `grey` (Format_Grayscale8), as a
// scanner's greyscale mode writes it, with the settings the program's own
// encoder uses for colour: libjpeg's defaults, floating-point DCT,
// jpeg_set_quality(quality, TRUE), baseline. nullopt when libjpeg fails.
std::optional<QByteArray> encodeGreyJpeg(const QImage& grey, int quality);

}  // namespace bookgen
