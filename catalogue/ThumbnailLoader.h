#pragma once

#include "core/Error.h"

#include <QImage>
#include <QString>

namespace catalogue {

// Reads the picture file at `path` and returns its catalogue thumbnail:
// always pixel for pixel what
//     buildThumbnail(imaging::loadPicture(path), side, slowReading, background)
// gives, and the same error when the file cannot be read.
//
// A JPEG that has to be scaled down is not decoded whole: the thumbnail
// samples one source row per thumbnail row (through both stretches when
// slow reading reduces it first), so only those rows are decoded and the
// rest are skipped. Everything else, and any JPEG the row decoder cannot
// handle, is decoded in full.
//
// Uses no shared state: safe to run on a worker thread, several at once.
core::Expected<QImage> loadThumbnail(const QString& path, int side, bool slowReading,
                                     QRgb background);

}  // namespace catalogue
