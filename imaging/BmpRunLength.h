#pragma once

// The check that makes run-length encoded BMPs safe to hand to Qt's reader.
// Internal to imaging/.

#include "imaging/BmpHeader.h"

class QIODevice;

namespace imaging::detail {

enum class RunLengthVerdict {
    Complete,  // every pixel is written exactly once, rows in order
    CutOff,    // the data end before every pixel is written
    Damaged,   // the stream ends early, skips pixels or runs past a row
};

// Walks the RLE8 or RLE4 pixel stream of a file with this header, read
// from the device's current position, the way Qt's reader decodes it,
// without decoding: only counting pixels, with memory of a fixed size
// whatever the declared picture size, so a small file declaring a huge
// picture is refused after reading no more than the file.
//
// Qt's reader leaves every pixel its stream does not write as whatever
// the memory held, so anything but a stream that writes each pixel in
// turn is refused: an end of line before the row is full, an end of
// bitmap before the last row is, a delta (its jump leaves pixels
// unwritten), a run past the end of its row (Qt clips it in the first row
// and writes it into the next row's memory in the others). Nothing after
// the last row's end of line or the end-of-bitmap marker is read, as Qt's
// reader stops there too; a missing end-of-bitmap marker is no fault.
RunLengthVerdict walkRunLengthStream(QIODevice& stream, const BmpHeader& header);

}  // namespace imaging::detail
