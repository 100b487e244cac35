// The catalogue's thumbnail loader decodes only the JPEG rows a thumbnail
// samples. Whatever the file, its result must be the thumbnail of a full
// decode, pixel for pixel, or the error the full decode gives.
//
// Input: one byte for the thumbnail side (value + 1), one byte of options
// (bit 0: slow reading; the rest tints the background), then the file.

#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/ThumbnailLoader.h"
#include "fuzz/FuzzCheck.h"
#include "imaging/PictureIo.h"

#include <QFile>
#include <QTemporaryDir>

using fuzzing::require;

namespace {

// The loader reads from a path, so every input is written to this file.
QString scratchPath() {
    static const QTemporaryDir folder;
    require(folder.isValid(), "a temporary folder for the thumbnail input");
    return folder.filePath(QStringLiteral("input.jpg"));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    require(
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
        "the thumbnail input can be written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const int side = data[0] + 1;
    const bool slowReading = (data[1] & 1) != 0;
    const QRgb background = qRgb(data[1], 0x80, 255 - data[1]);
    const QByteArray file = fuzzing::bytesOf(data + 2, size - 2);
    if (const core::Expected<QSize> declared = imaging::jpegSize(file);
        declared && fuzzing::tooLargeToFuzz(*declared)) {
        return 0;
    }
    const QString path = scratchPath();
    writeFile(path, file);

    const core::Expected<QImage> loaded =
        catalogue::loadThumbnail(path, side, slowReading, background);
    const core::Expected<QImage> full = imaging::decodeJpeg(file);
    if (!full) {
        require(!loaded.ok() && loaded.error().message == full.error().message,
                "a file the full decode refuses gives the same error");
        return 0;
    }
    require(
        loaded.ok() && *loaded == catalogue::buildThumbnail(*full, side, slowReading, background),
        "the thumbnail equals that of the full decode, pixel for pixel");
    return 0;
}
