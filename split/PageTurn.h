#pragma once

#include "imaging/PixelBuffer.h"

#include <QImage>
#include <QRgb>

namespace split {

// Turns a page by a small angle about its centre, keeping its size: what
// the automatic deskew does to a page found crooked.
//
// `degrees` turns the content clockwise as seen on screen (y grows
// downwards); negative turns it counter-clockwise. The centre is the middle
// of the pixel grid, ((W - 1) / 2, (H - 1) / 2). Target pixel p takes the
// colour at the source point c + R(-degrees)(p - c), mixed bilinearly from
// the four pixels around it with weights in 1/128 steps (the point is
// rounded to the nearest 1/128 of a pixel) and the sum rounded to nearest.
// Source pixels outside the page count as `background` (the page's own
// paper colour), so corners turned in from outside take it, and the page's
// edges blend into it over one pixel.
//
// Exact where it can be: 0 degrees gives `page` itself (the same pixels,
// nothing copied); a point that falls on a pixel takes that pixel's colour
// unchanged, so turns by multiples of 90 degrees of a square page are the
// quarter and half turns. Pictures not in Format_RGB888 are converted
// first. A null picture or running out of memory gives a null picture.
// Pure; safe to call from any thread.
QImage turnPage(const QImage& page, double degrees, QRgb background);

// The same turn written into `into`'s memory (see PixelBuffer: valid until
// its next use). A page that itself lives in `into` is turned into a new
// picture instead.
QImage turnPage(const QImage& page, double degrees, QRgb background, imaging::PixelBuffer& into);

}  // namespace split
