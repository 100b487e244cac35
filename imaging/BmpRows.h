#pragma once

#include "imaging/RegularFile.h"

#include <QtGlobal>

#include <optional>

namespace imaging {

// Where the rows of a plain BMP (24 bits a pixel, uncompressed, as the
// program writes them) lie in its file, so that they can be read a few at
// a time, top row first, instead of decoding the whole picture.
struct BmpRowLayout {
    int width = 0;
    int height = 0;
    qint64 pixelStart = 0;  // the file's first row
    qint64 stride = 0;      // bytes a row, padding included
    bool topDown = false;   // the file's first row is the picture's top one

    // Where `count` rows from picture row `top` lie, as one run of the
    // file: they are stored in that order, or in reverse when bottom-up.
    qint64 offsetOfRows(int top, int count) const;
};

// The layout of `file` when it is a plain BMP whose rows the file holds in
// full; nothing for any other (run-length, palette, bit fields, OS/2
// headers, cut short), which is decoded as a whole.
std::optional<BmpRowLayout> plainBmpRows(const RegularFile& file);

// The BGR bytes of a stored row as RGB888.
void bgrToRgb(const char* stored, int width, uchar* into);

}  // namespace imaging
