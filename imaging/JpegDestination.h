#pragma once

// libjpeg output into a QByteArray, shared by the encoder and the lossless
// writer. Internal to imaging/.

#include <QByteArray>

#include <cstdio>

#include <jpeglib.h>

namespace imaging::detail {

// Destination manager appending to a QByteArray owned by the caller.
// (jpeg_mem_dest's buffer cannot be freed safely after an error once it has
// grown, so the output collects here instead.) Running out of memory while
// appending is remembered instead of thrown through libjpeg.
struct ByteArrayDestination {
    jpeg_destination_mgr pub;  // first member: libjpeg sees a jpeg_destination_mgr*
    QByteArray* out;
    bool outOfMemory;
    JOCTET buffer[16 * 1024];
};

// Sets up `destination` to append to `out` and makes it `cinfo`'s.
void installDestination(j_compress_ptr cinfo, ByteArrayDestination& destination, QByteArray& out);

// Destination manager writing straight into a QByteArray's memory, from its
// start, growing it by half whenever libjpeg has filled it: no copy of the
// output, and memory reserved beforehand is used as it is. The array ends
// at the bytes written. Running out of memory is remembered; libjpeg's
// further output then goes to `spill` and is lost.
struct DirectDestination {
    jpeg_destination_mgr pub;  // first member: libjpeg sees a jpeg_destination_mgr*
    QByteArray* out;
    bool outOfMemory;
    JOCTET spill[4096];
};

// Sets up `destination` to write into `out` and makes it `cinfo`'s.
void installDestination(j_compress_ptr cinfo, DirectDestination& destination, QByteArray& out);

}  // namespace imaging::detail
