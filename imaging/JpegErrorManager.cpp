#include "imaging/JpegErrorManager.h"

#include "imaging/ImagingErrors.h"

#include <algorithm>
#include <limits>

#include <jerror.h>

namespace imaging::detail {
namespace {

[[noreturn]] void jumpToDriver(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    manager->errorCode = cinfo->err->msg_code;
    std::longjmp(manager->jump, 1);
}

// Warnings have level -1; higher levels are trace output, dropped unless a
// warning says pixels were lost.
void noteMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) {
        return;
    }
    auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    ++cinfo->err->num_warnings;
    const int code = cinfo->err->msg_code;
    const bool lost = code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER ||
                      code == JWRN_HUFF_BAD_CODE || code == JWRN_ARITH_BAD_CODE ||
                      code == JWRN_MUST_RESYNC;
    if (lost && manager->dataLossWarning == 0) {
        manager->dataLossWarning = code;
    }
    if (code == JWRN_JPEG_EOF) {
        manager->reachedEnd = true;
    }
}

void silence(j_common_ptr) {}

void stopAfterTooManyScans(j_common_ptr cinfo) {
    const auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->is_decompressor && dinfo->input_scan_number > kMaxProgressiveScans) {
        ERREXIT(cinfo, JERR_BAD_PROGRESSION);
    }
}

}  // namespace

jpeg_error_mgr* installErrorManager(JpegErrorManager& manager) {
    jpeg_std_error(&manager.pub);
    manager.pub.error_exit = jumpToDriver;
    manager.pub.emit_message = noteMessage;
    manager.pub.output_message = silence;
    manager.errorCode = 0;
    manager.dataLossWarning = 0;
    manager.reachedEnd = false;
    return &manager.pub;
}

void installScanLimit(j_decompress_ptr cinfo, jpeg_progress_mgr& monitor) {
    monitor.progress_monitor = stopAfterTooManyScans;
    cinfo->progress = &monitor;
}

bool dataCanHoldPicture(j_decompress_ptr cinfo, qint64 byteCount) {
    if (cinfo->arith_code) {
        return true;
    }
    qint64 fewestBlocks = std::numeric_limits<qint64>::max();
    for (int i = 0; i < cinfo->num_components; ++i) {
        const jpeg_component_info& component = cinfo->comp_info[i];
        fewestBlocks = std::min(fewestBlocks, static_cast<qint64>(component.width_in_blocks) *
                                                  component.height_in_blocks);
    }
    return byteCount * 8 >= fewestBlocks;
}

core::Error decodeError(const JpegErrorManager& manager) {
    // A cut-off file often fails later for another reason (a missing
    // marker); the cut is what the user can act on.
    if (manager.reachedEnd && manager.errorCode != JERR_INPUT_EMPTY) {
        return errors::jpegCutOff();
    }
    switch (manager.errorCode) {
        case 0:
            break;
        case JERR_INPUT_EMPTY:
            return errors::fileEmpty();
        case JERR_NO_SOI:
            return errors::notJpeg();
        case JERR_OUT_OF_MEMORY:
        case JERR_VIRTUAL_BUG:
            return core::outOfMemory();
        case JERR_BAD_PRECISION:
        case JERR_CCIR601_NOTIMPL:
        case JERR_NOT_COMPILED:
        case JERR_CONVERSION_NOTIMPL:
            return errors::unsupportedJpeg();
        case JERR_IMAGE_TOO_BIG:
            return errors::pictureTooLarge();
        default:
            break;
    }
    return errors::damagedJpeg();
}

}  // namespace imaging::detail
