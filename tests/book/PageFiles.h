#pragma once

#include "book/BindBook.h"

#include <QImage>
#include <QString>

namespace book_test {

// How a test page's JPEG stores its colours.
enum class JpegColours { Grey, Rgb, AdobeCmyk };

// Writes `picture` as a JPEG of the given colours. `dotsPerUnit` > 0 puts a
// JFIF density in the file, per inch (unit 1) or per centimetre (unit 2);
// an Adobe CMYK file has no JFIF segment, so no density. The CMYK samples
// are stored inverted, as Adobe's applications write them.
void writeJpegPage(const QString& path, const QImage& picture, JpegColours colours,
                   int dotsPerUnit = 0, int unit = 1);

// Writes `picture` as a 24-bit BMP whose header gives `pixelsPerMetre`.
void writeBmpPage(const QString& path, const QImage& picture, quint32 pixelsPerMetre);

// A smooth picture (gradients and a dark block near the top left), so a
// rendering at a low resolution can be compared with a downscale of it.
QImage smoothPage(int width, int height, int seed);

// A request for the book of `pages` in `output`, everything else as a
// user leaves it.
book::BindRequest bindRequest(const QString& pages, const QString& output,
                              book::Format format = book::Format::Pdf);

}  // namespace book_test
