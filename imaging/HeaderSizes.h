#pragma once

// Header-only size readers behind readPictureSize. Internal to imaging/.

#include "core/Error.h"

#include <QSize>
#include <QString>

namespace imaging::detail {

// Read as little of the file as the header needs; the size is checked
// against the picture limits like a decode would.
core::Expected<QSize> readJpegFileSize(const QString& path);
core::Expected<QSize> readBmpFileSize(const QString& path);

}  // namespace imaging::detail
