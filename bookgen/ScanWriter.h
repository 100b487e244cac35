#pragma once

#include "bookgen/ScanPainter.h"
#include "bookgen/ScanPlan.h"
#include "core/Error.h"

#include <QString>

namespace bookgen {

// How colour JPEG scans store their chroma.
enum class Chroma {
    Half,  // 4:2:0, as the program's own encoder writes
    Full,  // 4:4:4, as scanners at their best quality write
};

// Paints the planned scan and writes it into `folder` under its file name,
// replacing a file of that name, through the program's safe write
// (temporary file, then rename). Colour JPEG goes through the program's own
// encoder at `quality` (with Chroma::Full through libjpeg with the same
// settings but no subsampling), greyscale JPEG through libjpeg with the
// same settings, BMP as 24-bit. Returns the number of bytes written. For a
// spread, `band` (when given) receives its gutter band.
core::Expected<qint64> writeScan(const ScanPlan& plan, const QString& folder, int quality,
                                 Chroma chroma = Chroma::Half, GutterBand* band = nullptr);

}  // namespace bookgen
