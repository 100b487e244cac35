#pragma once

// The resolution an EXIF block records. Internal to imaging/.

#include <QByteArray>
#include <QPointF>

#include <optional>

namespace imaging::detail {

// The XResolution and YResolution of the first image directory of a JPEG
// APP1 segment's data ("Exif\0\0" and a TIFF structure), in pixels per
// inch (ResolutionUnit 2, the default, or 3 for centimetres). Nothing when
// the data are no EXIF, lack either value, hold one that is not positive
// or give only an aspect ratio (unit 1); offsets outside the data are
// never followed.
std::optional<QPointF> exifDotsPerInch(const QByteArray& app1);

}  // namespace imaging::detail
