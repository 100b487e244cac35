#include "catalogue/ThumbnailLoader.h"

#include "catalogue/ThumbnailGeometry.h"
#include "imaging/PictureIo.h"
#include "imaging/Stretch.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <vector>

namespace catalogue {

namespace {

using core::Expected;

// For each of `targetHeight` rows, the source row that a vertical stretch
// from `sourceHeight` rows reads. The mapping is taken from
// imaging::stretchCopy itself, by stretching a column of row numbers, so
// the rows decoded here are exactly those the full stretch would sample.
std::vector<int> sampledRows(int sourceHeight, int targetHeight) {
    QImage numbers(1, sourceHeight, QImage::Format_RGB888);
    for (int y = 0; y < sourceHeight; ++y) {
        uchar* pixel = numbers.scanLine(y);
        pixel[0] = static_cast<uchar>(y >> 16);
        pixel[1] = static_cast<uchar>(y >> 8);
        pixel[2] = static_cast<uchar>(y);
    }
    QImage picked(1, targetHeight, QImage::Format_RGB888);
    picked.fill(0);
    imaging::stretchCopy(numbers, {0, 0, 1, sourceHeight}, picked, {0, 0, 1, targetHeight});
    std::vector<int> rows(static_cast<size_t>(targetHeight));
    for (int y = 0; y < targetHeight; ++y) {
        const uchar* pixel = picked.constScanLine(y);
        rows[static_cast<size_t>(y)] = (pixel[0] << 16) | (pixel[1] << 8) | pixel[2];
    }
    return rows;
}

core::Expected<QImage> loadFully(const QString& path, int side, bool slowReading, QRgb background) {
    const core::Expected<QImage> picture = imaging::loadPicture(path);
    if (!picture) {
        return picture.error();
    }
    return buildThumbnail(*picture, side, slowReading, background);
}

// The thumbnail of the JPEG in `bytes` from only the rows it samples, or
// nothing when the fast way does not apply or fails (the caller then
// decodes in full, which also yields the right error).
std::optional<QImage> fromSampledRows(const QByteArray& bytes, int side, bool slowReading,
                                      QRgb background) {
    const core::Expected<QSize> size = imaging::jpegSize(bytes);
    if (!size) {
        return std::nullopt;
    }
    const ThumbnailPlan plan = planThumbnail(*size, side, slowReading);
    const int drawnHeight = plan.target.height();
    const bool scaled =
        plan.reducedSize || plan.target.width() != size->width() || drawnHeight != size->height();
    if (!scaled || drawnHeight <= 0 || plan.target.width() <= 0) {
        return std::nullopt;
    }

    // Source row for each thumbnail row, through the reduction when there is one.
    std::vector<int> rows;
    if (plan.reducedSize) {
        const std::vector<int> reducedRows =
            sampledRows(size->height(), plan.reducedSize->height());
        for (const int row : sampledRows(plan.reducedSize->height(), drawnHeight)) {
            rows.push_back(reducedRows[static_cast<size_t>(row)]);
        }
    } else {
        rows = sampledRows(size->height(), drawnHeight);
    }
    if (!std::is_sorted(rows.begin(), rows.end())) {
        return std::nullopt;
    }

    // One decoded row per thumbnail row; the stretches below then keep rows
    // one to one and only choose columns, as the full stretches do.
    const core::Expected<QImage> decoded = imaging::decodeJpegRows(bytes, rows);
    if (!decoded || decoded->format() != QImage::Format_RGB888 ||
        decoded->width() != size->width() || decoded->height() != drawnHeight) {
        return std::nullopt;
    }
    QImage picked = *decoded;
    if (plan.reducedSize) {
        QImage narrowed(plan.reducedSize->width(), drawnHeight, QImage::Format_RGB888);
        if (narrowed.isNull()) {
            return std::nullopt;
        }
        imaging::stretchCopy(picked, {0, 0, picked.width(), drawnHeight}, narrowed,
                             {0, 0, narrowed.width(), drawnHeight});
        picked = std::move(narrowed);
    }
    QImage thumbnail = imaging::filledImage(side, side, background);
    if (thumbnail.isNull()) {
        return std::nullopt;
    }
    imaging::stretchCopy(picked, {0, 0, picked.width(), drawnHeight}, thumbnail, plan.target);
    return thumbnail;
}

}  // namespace

core::Expected<QImage> loadThumbnail(const QString& path, int side, bool slowReading,
                                     QRgb background) {
    if (imaging::pictureKindOf(QFileInfo(path).fileName()) == imaging::PictureKind::Jpeg) {
        const core::Expected<QByteArray> bytes = imaging::readPictureFile(path);
        if (!bytes) {
            return bytes.error();
        }
        if (std::optional<QImage> thumbnail =
                fromSampledRows(*bytes, side, slowReading, background)) {
            return *std::move(thumbnail);
        }
    }
    return loadFully(path, side, slowReading, background);
}

}  // namespace catalogue
