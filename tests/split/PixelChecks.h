#pragma once

#include "imaging/Stretch.h"

#include <QImage>
#include <QString>

#include <string>

namespace split_tests {

// A page of one colour with a filled rectangle on it, both RGB888.
QImage pageWithBox(int width, int height, QRgb page, const imaging::PixelRect& box, QRgb ink);

// The first pixel where two pictures differ, as text, or the empty string
// when they have the same size and pixels. Printed by failing checks.
std::string firstDifference(const QImage& actual, const QImage& expected);

// The 1:1 copy of a rectangle (independent of the code under test).
QImage cropOf(const QImage& picture, const imaging::PixelRect& box);

}  // namespace split_tests
