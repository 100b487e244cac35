#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A picture whose pixel (x, y) has a colour that depends on x and y, so a
// wrong row or column shows up in a comparison.
QImage patternImage(int width, int height);

// Writes bytes to a file, creating it; fails the test on error.
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// Writes `picture` as a 24-bit BMP or as a JPEG of the given quality.
void writeBmp(const QString& path, const QImage& picture);
void writeJpeg(const QString& path, const QImage& picture, int quality = 95);

}  // namespace testing_support
