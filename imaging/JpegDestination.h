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

}  // namespace imaging::detail
