#include "bookgen/ScanWriter.h"

#include "bookgen/ScanPainter.h"
#include "bookgen/ScannerJpeg.h"
#include "imaging/FileCommit.h"
#include "imaging/FileNames.h"
#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"

namespace bookgen {

namespace {

core::Expected<QByteArray> encodeScan(const QImage& scan, ScanFormat format, int quality,
                                      Chroma chroma) {
    switch (format) {
        case ScanFormat::ColourJpeg:
            if (chroma == Chroma::Full) {
                auto bytes =
                    encodeFullChromaJpeg(scan.convertToFormat(QImage::Format_RGB888), quality);
                if (!bytes) {
                    return imaging::errors::jpegNotWritten();
                }
                return std::move(*bytes);
            }
            return imaging::encodeJpeg(scan, quality);
        case ScanFormat::Bmp:
            return imaging::encodeBmp(scan);
        case ScanFormat::GreyJpeg:
            break;
    }
    const QImage grey = scan.convertToFormat(QImage::Format_Grayscale8);
    auto bytes = encodeGreyJpeg(grey, quality);
    if (!bytes) {
        return imaging::errors::jpegNotWritten();
    }
    return std::move(*bytes);
}

}  // namespace

core::Expected<qint64> writeScan(const ScanPlan& plan, const QString& folder, int quality,
                                 Chroma chroma, GutterBand* band) {
    const QImage scan = paintScan(plan, band);
    if (scan.isNull()) {
        return core::outOfMemory();
    }
    const auto bytes = encodeScan(scan, plan.format, quality, chroma);
    if (!bytes) {
        return bytes.error();
    }
    const core::Status written =
        imaging::commitFile(imaging::joinPath(folder, plan.fileName), *bytes);
    if (!written) {
        return written.error();
    }
    return bytes->size();
}

}  // namespace bookgen
