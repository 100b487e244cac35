#include "imaging/BmpHeader.h"
#include "imaging/BmpRunLength.h"
#include "imaging/HeaderSizes.h"
#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"
#include "imaging/RegularFile.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <utility>

// BMP input through Qt's reader (every variant Windows writes) after our
// own check of the header, BMP output written by hand as the plain 24-bit
// form every program reads.

namespace imaging {
namespace {

// Qt refuses pictures above 256 MB by default; our own limit, checked
// first, is the one that matters (kMaxPicturePixels at 32 bits per pixel).
void raiseReaderAllocationLimit() {
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(2048); });
}

// The header of a file starting with these bytes, if its picture is
// within the picture limits.
core::Expected<detail::BmpHeader> checkedHeader(const QByteArray& start) {
    const auto header = detail::parseBmpHeader(start);
    if (!header) {
        return start.startsWith("BM") ? errors::damagedBmp() : errors::notBmp();
    }
    if (const core::Status allowed = checkPictureSize(header->width, header->height, kMaxBmpPixels);
        !allowed) {
        return allowed.error();
    }
    return *header;
}

void putLittleEndian(char* at, quint32 value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        at[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

// Whether the file holds every pixel its header declares: Qt's reader
// leaves the pixels it finds no data for as whatever the memory held. A
// compressed stream is walked before Qt allocates the picture, which also
// ties the declared size to the data actually there. Rows coded into their
// padding come back as the file to read instead, its stream clipped.
core::Expected<std::optional<QByteArray>> checkPixelData(const QByteArray& bytes,
                                                         const detail::BmpHeader& header) {
    if (bytes.size() < header.minimumFileSize()) {
        return errors::bmpCutOff();
    }
    if (!header.isRunLengthEncoded()) {
        return std::optional<QByteArray>();
    }
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    if (!file.seek(header.pixelDataStart())) {
        return errors::bmpCutOff();
    }
    switch (detail::walkRunLengthStream(file, header)) {
        case detail::RunLengthVerdict::Complete:
            return std::optional<QByteArray>();
        case detail::RunLengthVerdict::Padded:
            break;
        case detail::RunLengthVerdict::CutOff:
            return errors::bmpCutOff();
        case detail::RunLengthVerdict::Damaged:
            return errors::damagedBmp();
    }
    QByteArray stream;
    file.seek(header.pixelDataStart());
    (void)detail::walkRunLengthStream(file, header, &stream);
    QByteArray clipped = bytes.left(header.pixelDataStart()) + stream;
    putLittleEndian(clipped.data() + 2, static_cast<quint32>(clipped.size()), 4);
    if (header.infoSize >= 40) {
        putLittleEndian(clipped.data() + 34, static_cast<quint32>(stream.size()), 4);
    }
    return std::optional<QByteArray>(std::move(clipped));
}

}  // namespace

core::Expected<QImage> decodeBmp(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return errors::fileEmpty();
    }
    const auto header = checkedHeader(bytes);
    if (!header) {
        return header.error();
    }
    const auto intact = checkPixelData(bytes, *header);
    if (!intact) {
        return intact.error();
    }
    QBuffer buffer;
    buffer.setData(intact.value() ? *intact.value() : bytes);
    buffer.open(QIODevice::ReadOnly);
    raiseReaderAllocationLimit();
    // Bound to the BMP handler alone, so a file of another format that
    // merely carries a ".bmp" name is not read as that format.
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull()) {
        return errors::damagedBmp();
    }
    if (picture.format() != QImage::Format_RGB888) {
        picture = picture.convertToFormat(QImage::Format_RGB888);
        if (picture.isNull()) {
            return core::outOfMemory();
        }
    }
    return picture;
}

core::Expected<QByteArray> encodeBmp(const QImage& picture) {
    const core::Expected<QImage> prepared = rgbForEncoding(picture);
    if (!prepared) {
        return prepared.error();
    }
    const QImage& rgb = prepared.value();
    constexpr int kFileHeaderSize = 14;
    constexpr int kInfoHeaderSize = 40;
    constexpr int kPixelsPerMetre = 2835;
    const qint64 width = rgb.width();
    const qint64 height = rgb.height();
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    const qint64 pixelBytes = stride * height;
    const qint64 fileSize = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
    QByteArray bytes;
    try {
        bytes = QByteArray(fileSize, '\0');
    } catch (const std::bad_alloc&) {
        return core::outOfMemory();
    }
    char* out = bytes.data();
    // BITMAPFILEHEADER
    out[0] = 'B';
    out[1] = 'M';
    putLittleEndian(out + 2, static_cast<quint32>(fileSize), 4);
    putLittleEndian(out + 10, kFileHeaderSize + kInfoHeaderSize, 4);
    // BITMAPINFOHEADER: bottom-up (positive height), one plane, 24 bits,
    // BI_RGB, no palette.
    char* info = out + kFileHeaderSize;
    putLittleEndian(info, kInfoHeaderSize, 4);
    putLittleEndian(info + 4, static_cast<quint32>(width), 4);
    putLittleEndian(info + 8, static_cast<quint32>(height), 4);
    putLittleEndian(info + 12, 1, 2);
    putLittleEndian(info + 14, 24, 2);
    putLittleEndian(info + 20, static_cast<quint32>(pixelBytes), 4);
    putLittleEndian(info + 24, kPixelsPerMetre, 4);
    putLittleEndian(info + 28, kPixelsPerMetre, 4);
    // Rows bottom to top, pixels blue-green-red; the padding stays zero.
    char* row = info + kInfoHeaderSize;
    for (qint64 y = height - 1; y >= 0; --y, row += stride) {
        const uchar* source = rgb.constScanLine(static_cast<int>(y));
        for (qint64 x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(source[3 * x + 2]);
            row[3 * x + 1] = static_cast<char>(source[3 * x + 1]);
            row[3 * x + 2] = static_cast<char>(source[3 * x]);
        }
    }
    return bytes;
}

namespace detail {

core::Expected<BmpHeader> readBmpFileHeader(RegularFile& file) {
    if (file.size() == 0) {
        return errors::fileEmpty();
    }
    QByteArray start(kBmpHeaderBytes, '\0');
    start.resize(std::max<qint64>(file.read(start.data(), start.size()), 0));
    return checkedHeader(start);
}

core::Expected<QSize> readBmpFileSize(const QString& path) {
    auto file = RegularFile::open(path);
    if (!file) {
        return file.error();
    }
    const auto header = readBmpFileHeader(file.value());
    if (!header) {
        return header.error();
    }
    return QSize(static_cast<int>(header->width), static_cast<int>(header->height));
}

}  // namespace detail
}  // namespace imaging
