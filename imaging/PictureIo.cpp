#include "imaging/PictureIo.h"

#include "core/ExceptionBarrier.h"
#include "imaging/FileNames.h"
#include "imaging/HeaderSizes.h"
#include "imaging/ImagingErrors.h"
#include "imaging/RegularFile.h"

#include <algorithm>

namespace imaging {
namespace {

qint64 longestFile(PictureKind kind) {
    return kind == PictureKind::Jpeg ? kMaxJpegFileBytes : kMaxBmpFileBytes;
}

core::Error unsupportedKind() {
    return errors::unsupportedKind();
}

}  // namespace

core::Status checkPictureSize(qint64 width, qint64 height, qint64 maxPixels) {
    if (width <= 0 || height <= 0) {
        return errors::damagedPicture();
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide ||
        width * height > std::min(maxPixels, kMaxPicturePixels)) {
        return errors::pictureTooLarge(width, height);
    }
    return core::success();
}

core::Expected<QImage> rgbForEncoding(const QImage& picture) {
    if (picture.isNull()) {
        return errors::noPicture();
    }
    if (const core::Status allowed = checkPictureSize(picture.width(), picture.height());
        !allowed) {
        return allowed.error();
    }
    QImage rgb = picture.format() == QImage::Format_RGB888
                     ? picture
                     : picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return core::outOfMemory();
    }
    return rgb;
}

PictureKind pictureKindOf(const QString& fileName) {
    const QString extension = extensionOf(fileName);
    if (extension.compare(QLatin1String(".jpg"), Qt::CaseInsensitive) == 0) {
        return PictureKind::Jpeg;
    }
    if (extension.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0) {
        return PictureKind::Bmp;
    }
    return PictureKind::Unknown;
}

core::Status readPictureFile(const QString& path, QByteArray& into) {
    const PictureKind kind = pictureKindOf(path);
    if (kind == PictureKind::Unknown) {
        return unsupportedKind();
    }
    auto opened = RegularFile::open(path);
    if (!opened) {
        return opened.error();
    }
    RegularFile& file = opened.value();
    const qint64 length = file.size();
    if (length == 0) {
        return errors::fileEmpty();
    }
    if (length > longestFile(kind)) {
        return errors::fileTooLarge();
    }
    return core::withoutExceptions([&]() -> core::Status {
        // No more than the length checked, should the file grow meanwhile.
        // Resizing keeps the memory `into` already has.
        into.resize(length);
        const qint64 read = file.read(into.data(), length);
        into.resize(std::max<qint64>(read, 0));
        if (read < 0) {
            return errors::cannotRead();
        }
        if (into.isEmpty()) {
            return errors::fileEmpty();
        }
        return core::success();
    });
}

core::Expected<QByteArray> readPictureFile(const QString& path) {
    QByteArray bytes;
    if (const core::Status read = readPictureFile(path, bytes); !read) {
        return read.error();
    }
    return bytes;
}

core::Expected<QImage> loadPicture(const QString& path) {
    return core::withoutExceptions([&]() -> core::Expected<QImage> {
        const auto bytes = readPictureFile(path);
        if (!bytes) {
            return bytes.error();
        }
        return pictureKindOf(path) == PictureKind::Jpeg ? decodeJpeg(*bytes) : decodeBmp(*bytes);
    });
}

core::Expected<QImage> loadPicture(const QString& path, ReadBuffers& kept) {
    return core::withoutExceptions([&]() -> core::Expected<QImage> {
        if (const core::Status read = readPictureFile(path, kept.fileBytes); !read) {
            return read.error();
        }
        return pictureKindOf(path) == PictureKind::Jpeg ? decodeJpeg(kept.fileBytes, kept.pixels)
                                                        : decodeBmp(kept.fileBytes);
    });
}

core::Expected<QSize> readPictureSize(const QString& path) {
    const PictureKind kind = pictureKindOf(path);
    if (kind == PictureKind::Unknown) {
        return unsupportedKind();
    }
    return kind == PictureKind::Jpeg ? detail::readJpegFileSize(path)
                                     : detail::readBmpFileSize(path);
}

}  // namespace imaging
