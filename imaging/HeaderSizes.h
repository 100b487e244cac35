#pragma once

// Header-only size readers behind readPictureSize. Internal to imaging/.

#include "core/Error.h"
#include "imaging/BmpHeader.h"
#include "imaging/RegularFile.h"

#include <QSize>
#include <QString>

namespace imaging::detail {

// Read as little of the file as the header needs; the size is checked
// against the picture limits like a decode would.
core::Expected<QSize> readJpegFileSize(const QString& path);
core::Expected<QSize> readBmpFileSize(const QString& path);

// The header of an open BMP file, read from its start and checked against
// the picture limits.
core::Expected<BmpHeader> readBmpFileHeader(RegularFile& file);

}  // namespace imaging::detail
