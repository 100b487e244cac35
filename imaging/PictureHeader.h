#pragma once

#include "core/Error.h"
#include "imaging/PictureIo.h"

#include <QPointF>
#include <QSize>
#include <QString>

#include <optional>

namespace imaging {

// How a picture file stores its colours.
enum class ColourModel { Grey, Rgb, Cmyk };

// What a picture file's header says, read without its pixels: enough to
// place the file in a document as it is.
struct PictureHeader {
    PictureKind kind = PictureKind::Unknown;
    QSize size;
    ColourModel colours = ColourModel::Rgb;
    // JPEG CMYK (or YCCK) written by Adobe's convention, 0 meaning full ink.
    bool invertedCmyk = false;
    // Pixels per inch across and down, when the file says; a JPEG's JFIF
    // density (in dots per inch or per centimetre), else its EXIF
    // resolution; a BMP's pixels per metre. 2835 pixels per metre, the
    // 72 dpi every BMP the program writes carries whatever the scan, is
    // taken for no density.
    std::optional<QPointF> dotsPerInch;
    // The file's length when the header was read.
    qint64 fileSize = 0;
};

// Reads the header of a ".jpg" or ".bmp" file (chosen by its extension)
// through RegularFile, a few kilobytes however large the file is. The
// errors are those of readPictureSize, and a file too short for the
// picture its header declares is refused as cut off. Only 8-bit JPEGs
// pass (what libjpeg reads).
core::Expected<PictureHeader> readPictureHeader(const QString& path);

}  // namespace imaging
