// bench_reuse: a prototype of the per-image split work with its decode
// target kept from one image to the next, to confirm how much of the gap
// to the floor that alone closes. Everything else is the program's own:
// file reading (imaging::readPictureFile), the cut geometry
// (split::splitGeometry), margin removal (split::marginBox), the JPEG
// encoder (imaging::encodeJpeg) and the safe write (imaging::commitFile).
// The parts and the trimmed pages are views into the decoded picture.
//
//     bench_reuse [--threshold T] [--quality Q] [--no-sync] SOURCE DEST
//
// --no-sync writes the files plainly instead of through commitFile
// (temporary file, fdatasync, rename), to show what the sync costs.

#include "imaging/FileCommit.h"
#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"
#include "split/MarginRemoval.h"
#include "split/SplitGeometry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jpeglib.h>

namespace {

// The decode target of one worker: grown when a larger picture comes,
// never shrunk, never freed between images.
struct DecodeBuffer {
    std::unique_ptr<uchar[]> pixels;
    size_t capacity = 0;
};

struct ErrorJump {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

void quiet(j_common_ptr) {}

// RGB888 rows of the picture into `buffer`, libjpeg defaults as in
// imaging::decodeJpeg. (A prototype: no CMYK, no damage checks.)
bool decodeInto(const QByteArray& bytes, DecodeBuffer& buffer, int& width, int& height) {
    jpeg_decompress_struct cinfo;
    ErrorJump errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jumpOut;
    errors.pub.output_message = quiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const size_t stride = size_t{cinfo.output_width} * 3;
    const size_t needed = stride * cinfo.output_height;
    if (needed > buffer.capacity) {
        buffer.pixels.reset();
        buffer.capacity = 0;
        try {
            buffer.pixels = std::make_unique_for_overwrite<uchar[]>(needed);
        } catch (const std::bad_alloc&) {
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        buffer.capacity = needed;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = buffer.pixels.get() + cinfo.output_scanline * stride;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    width = static_cast<int>(cinfo.output_width);
    height = static_cast<int>(cinfo.output_height);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// A picture that reads `rect` of `picture` in place.
QImage viewOf(const QImage& picture, const imaging::PixelRect& rect) {
    return QImage(picture.constScanLine(rect.top) + 3 * rect.left, rect.width(), rect.height(),
                  picture.bytesPerLine(), QImage::Format_RGB888);
}

bool writePlainly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int threshold = 100;
    int quality = 80;
    bool sync = true;
    QStringList folders;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--threshold" && i + 1 < arguments.size()) {
            threshold = arguments[++i].toInt();
        } else if (arguments[i] == "--quality" && i + 1 < arguments.size()) {
            quality = arguments[++i].toInt();
        } else if (arguments[i] == "--no-sync") {
            sync = false;
        } else {
            folders << arguments[i];
        }
    }
    if (folders.size() != 2) {
        std::fprintf(stderr,
                     "usage: bench_reuse [--threshold T] [--quality Q] [--no-sync] "
                     "SOURCE DEST\n");
        return 2;
    }
    QDir().mkpath(folders[1]);
    const QStringList names = QDir(folders[0]).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    DecodeBuffer buffer;
    QElapsedTimer timer;
    timer.start();
    int failures = 0;
    for (const QString& name : names) {
        const auto bytes = imaging::readPictureFile(imaging::joinPath(folders[0], name));
        int width = 0;
        int height = 0;
        if (!bytes || !decodeInto(*bytes, buffer, width, height)) {
            ++failures;
            continue;
        }
        const QImage spread(buffer.pixels.get(), width, height, 3 * width, QImage::Format_RGB888);
        const auto geometry = split::splitGeometry(width, height, split::SplitDirection::Left, 0);
        if (!geometry) {
            ++failures;
            continue;
        }
        const imaging::PixelRect parts[2] = {geometry->first, *geometry->second};
        for (int p = 0; p < 2; ++p) {
            const QImage part = viewOf(spread, parts[p]);
            const QImage page = viewOf(part, split::marginBox(part, threshold, 0));
            const auto encoded = imaging::encodeJpeg(page, quality);
            const QString target = imaging::joinPath(
                folders[1], imaging::baseNameOf(name) + QStringLiteral("_%1.jpg").arg(p + 1));
            const bool written = encoded && (sync ? imaging::commitFile(target, *encoded).ok()
                                                  : writePlainly(target, *encoded));
            failures += written ? 0 : 1;
        }
    }
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    std::printf("reuse: %lld spreads in %.3f s, %.1f ms per spread (%s)\n",
                static_cast<long long>(names.size()), elapsed,
                names.isEmpty() ? 0.0 : elapsed * 1e3 / static_cast<double>(names.size()),
                sync ? "commitFile" : "plain writes");
    return failures == 0 ? 0 : 1;
}
