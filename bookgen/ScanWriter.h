#pragma once

#include "bookgen/ScanPainter.h"
#include "bookgen/ScanPlan.h"
#include "core/Error.h"

#include <QString>

namespace bookgen {

// Paints the planned scan and writes it into `folder` under its file name,
// replacing a file of that name, through the program's safe write
// (temporary file, then rename). Colour JPEG goes through the program's own
// encoder at `quality`, greyscale JPEG through libjpeg with the same
// settings, BMP as 24-bit. Returns the number of bytes written. For a
// spread, `band` (when given) receives its gutter band.
core::Expected<qint64> writeScan(const ScanPlan& plan, const QString& folder, int quality,
                                 GutterBand* band = nullptr);

}  // namespace bookgen
