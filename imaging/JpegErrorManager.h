#pragma once

// libjpeg glue shared by the JPEG decoder and encoder. Internal to imaging/.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "core/Error.h"

#include <QtGlobal>

namespace imaging::detail {

// libjpeg's error manager extended with the jump target of the function
// that drives libjpeg. error_exit longjmps there (libjpeg must never call
// exit()), messages never reach stderr, and warnings that mean lost pixel
// data are remembered so that a damaged file can be refused.
struct JpegErrorManager {
    jpeg_error_mgr pub;  // first member: libjpeg sees a jpeg_error_mgr*
    std::jmp_buf jump;
    int errorCode = 0;        // libjpeg's message code of the fatal error
    int dataLossWarning = 0;  // first warning that means lost pixels, or 0
    bool reachedEnd = false;  // the data ended before the picture did
};

// Points `cinfo->err` at `manager` and installs the handlers above.
jpeg_error_mgr* installErrorManager(JpegErrorManager& manager);

// Progressive files may hold any number of scans, and each scan passes over
// the whole picture: a small file of hundreds of tiny scans would keep the
// decoder busy for minutes. Encoders write about ten (libjpeg's default
// progression) and rarely more than a few dozen; this monitor stops
// decoding after kMaxProgressiveScans.
inline constexpr int kMaxProgressiveScans = 100;
void installScanLimit(j_decompress_ptr cinfo, jpeg_progress_mgr& monitor);

// Huffman coding spends at least one bit on every block of a component, so
// `byteCount` bytes of data shorter than that cannot hold the picture the
// header declares. (Arithmetic coding can go below one bit per block and is
// not checked.) Call after jpeg_read_header.
bool dataCanHoldPicture(j_decompress_ptr cinfo, qint64 byteCount);

// Why a decode failed, from the manager's state after the jump (or after a
// warning that lost data).
core::Error decodeError(const JpegErrorManager& manager);

}  // namespace imaging::detail
