#include "imaging/JpegDestination.h"

#include <algorithm>
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

DirectDestination* directOf(j_compress_ptr cinfo) {
    return reinterpret_cast<DirectDestination*>(cinfo->dest);
}

// Makes the array `size` bytes long and points libjpeg at its bytes from
// `written` on.
void offerRoom(DirectDestination* destination, qsizetype written, qsizetype size) {
    if (!destination->outOfMemory) {
        try {
            destination->out->resize(size);
            destination->pub.next_output_byte =
                reinterpret_cast<JOCTET*>(destination->out->data()) + written;
            destination->pub.free_in_buffer = static_cast<size_t>(size - written);
            return;
        } catch (const std::bad_alloc&) {
            destination->outOfMemory = true;
        }
    }
    destination->pub.next_output_byte = destination->spill;
    destination->pub.free_in_buffer = sizeof destination->spill;
}

void startDirect(j_compress_ptr cinfo) {
    auto* destination = directOf(cinfo);
    offerRoom(destination, 0, std::max<qsizetype>(destination->out->capacity(), 64 * 1024));
}

boolean growDirect(j_compress_ptr cinfo) {
    auto* destination = directOf(cinfo);
    const qsizetype size = destination->out->size();
    offerRoom(destination, size, size + size / 2);
    return TRUE;
}

void finishDirect(j_compress_ptr cinfo) {
    auto* destination = directOf(cinfo);
    if (!destination->outOfMemory) {
        destination->out->resize(destination->out->size() -
                                 static_cast<qsizetype>(destination->pub.free_in_buffer));
    }
}

}  // namespace

void installDestination(j_compress_ptr cinfo, DirectDestination& destination, QByteArray& out) {
    destination.pub.init_destination = startDirect;
    destination.pub.empty_output_buffer = growDirect;
    destination.pub.term_destination = finishDirect;
    destination.out = &out;
    destination.outOfMemory = false;
    cinfo->dest = &destination.pub;
}

void installDestination(j_compress_ptr cinfo, ByteArrayDestination& destination, QByteArray& out) {
    destination.pub.init_destination = startOutput;
    destination.pub.empty_output_buffer = flushFullBuffer;
    destination.pub.term_destination = finishOutput;
    destination.out = &out;
    destination.outOfMemory = false;
    cinfo->dest = &destination.pub;
}

}  // namespace imaging::detail
