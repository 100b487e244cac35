#pragma once

// The check that makes run-length encoded BMPs safe to hand to Qt's reader.
// Internal to imaging/.

#include "imaging/BmpHeader.h"

class QByteArray;
class QIODevice;

namespace imaging::detail {

enum class RunLengthVerdict {
    Complete,  // every pixel is written exactly once, rows in order
    // The same, but some rows are coded past their width, into the
    // padding an uncompressed row would have (as ImageMagick writes them):
    // Qt's reader needs the stream clipped at each row's end.
    Padded,
    CutOff,   // the data end before every pixel is written
    Damaged,  // the stream ends early, skips pixels or runs past a row's padding
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
// unwritten), a run past the padding of its row. Pixels coded past a row's
// width but within the padding of an uncompressed row of that width (rows
// are whole 32-bit words) are padding and dropped: Qt would write them into
// the next row's memory, so such a stream comes back clipped (`clipped`,
// when given: the stream with those pixels left out). Nothing after the
// last row's end of line or the end-of-bitmap marker is read, as Qt's
// reader stops there too; a missing end-of-bitmap marker is no fault.
RunLengthVerdict walkRunLengthStream(QIODevice& stream, const BmpHeader& header,
                                     QByteArray* clipped = nullptr);

}  // namespace imaging::detail
