#include "bookgen/ScanWriter.h"

#include "bookgen/GreyJpeg.h"
#include "bookgen/ScanPainter.h"
#include "imaging/FileCommit.h"
#include "imaging/FileNames.h"
#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"

namespace bookgen {

namespace {

core::Expected<QByteArray> encodeScan(const QImage& scan, ScanFormat format, int quality) {
    switch (format) {
        case ScanFormat::ColourJpeg:
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
                                 GutterBand* band) {
    const QImage scan = paintScan(plan, band);
    if (scan.isNull()) {
        return core::outOfMemory();
    }
    const auto bytes = encodeScan(scan, plan.format, quality);
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
