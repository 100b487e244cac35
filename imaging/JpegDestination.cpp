#include "imaging/JpegDestination.h"

#include <new>

namespace imaging::detail {

namespace {

ByteArrayDestination* destinationOf(j_compress_ptr cinfo) {
    return reinterpret_cast<ByteArrayDestination*>(cinfo->dest);
}

void appendBytes(ByteArrayDestination* destination, size_t count) {
    if (destination->outOfMemory) {
        return;
    }
    try {
        destination->out->append(reinterpret_cast<const char*>(destination->buffer),
                                 static_cast<qsizetype>(count));
    } catch (const std::bad_alloc&) {
        destination->outOfMemory = true;
    }
}

void startOutput(j_compress_ptr cinfo) {
    auto* destination = destinationOf(cinfo);
    destination->pub.next_output_byte = destination->buffer;
    destination->pub.free_in_buffer = sizeof destination->buffer;
}

boolean flushFullBuffer(j_compress_ptr cinfo) {
    auto* destination = destinationOf(cinfo);
    appendBytes(destination, sizeof destination->buffer);
    startOutput(cinfo);
    return TRUE;
}

void finishOutput(j_compress_ptr cinfo) {
    auto* destination = destinationOf(cinfo);
    appendBytes(destination, sizeof destination->buffer - destination->pub.free_in_buffer);
}

}  // namespace

void installDestination(j_compress_ptr cinfo, ByteArrayDestination& destination, QByteArray& out) {
    destination.pub.init_destination = startOutput;
    destination.pub.empty_output_buffer = flushFullBuffer;
    destination.pub.term_destination = finishOutput;
    destination.out = &out;
    destination.outOfMemory = false;
    cinfo->dest = &destination.pub;
}

}  // namespace imaging::detail
