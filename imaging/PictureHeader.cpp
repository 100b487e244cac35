#include "imaging/PictureHeader.h"

#include "imaging/BmpHeader.h"
#include "imaging/ExifDensity.h"
#include "imaging/HeaderSizes.h"
#include "imaging/ImagingErrors.h"
#include "imaging/JpegErrorManager.h"
#include "imaging/RegularFile.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

// Headers of pages placed in a document as they are. The libjpeg call
// keeps only plain locals, as libjpeg's error exit longjmps back into it;
// C++ objects live in the caller's frame (HeaderTarget).

namespace imaging {
namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kMetresPerInch = 0.0254;
// What every BMP the program writes says, whatever the scan's density.
constexpr quint32 kPlaceholderPixelsPerMetre = 2835;

struct HeaderTarget {
    PictureHeader header;
    QByteArray exif;
    std::optional<core::Error> error;
};

bool acceptJpeg(HeaderTarget* target, j_decompress_ptr cinfo) {
    if (const core::Status allowed = checkPictureSize(cinfo->image_width, cinfo->image_height);
        !allowed) {
        target->error = allowed.error();
        return false;
    }
    if (!detail::dataCanHoldPicture(cinfo, target->header.fileSize)) {
        target->error = errors::jpegCutOff();
        return false;
    }
    if (cinfo->data_precision != 8) {
        target->error = errors::unsupportedJpeg();
        return false;
    }
    PictureHeader& header = target->header;
    header.size =
        QSize(static_cast<int>(cinfo->image_width), static_cast<int>(cinfo->image_height));
    switch (cinfo->jpeg_color_space) {
        case JCS_GRAYSCALE:
            header.colours = ColourModel::Grey;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            header.colours = ColourModel::Cmyk;
            header.invertedCmyk = cinfo->saw_Adobe_marker != 0;
            break;
        default:
            header.colours = ColourModel::Rgb;
    }
    const bool jfifDensity = cinfo->saw_JFIF_marker && cinfo->X_density > 0 &&
                             cinfo->Y_density > 0 &&
                             (cinfo->density_unit == 1 || cinfo->density_unit == 2);
    if (jfifDensity) {
        const double perInch = cinfo->density_unit == 2 ? kCentimetresPerInch : 1.0;
        header.dotsPerInch = QPointF(cinfo->X_density * perInch, cinfo->Y_density * perInch);
    }
    for (jpeg_saved_marker_ptr marker = cinfo->marker_list; marker != nullptr;
         marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1 && target->exif.isEmpty()) {
            target->exif = QByteArray(reinterpret_cast<const char*>(marker->data),
                                      static_cast<qsizetype>(marker->data_length));
        }
    }
    return true;
}

bool runJpegHeaderRead(FILE* file, HeaderTarget* target) {
    jpeg_decompress_struct cinfo;
    detail::JpegErrorManager errors;
    cinfo.err = detail::installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        target->error = detail::decodeError(errors);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xffff);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    const bool accepted = acceptJpeg(target, &cinfo);
    jpeg_destroy_decompress(&cinfo);
    return accepted;
}

core::Expected<PictureHeader> readJpegHeader(RegularFile file) {
    HeaderTarget target;
    target.header.kind = PictureKind::Jpeg;
    target.header.fileSize = file.size();
    const std::unique_ptr<FILE, int (*)(FILE*)> stream(std::move(file).releaseAsStream(),
                                                       &std::fclose);
    if (!stream) {
        return errors::cannotOpen();
    }
    if (!runJpegHeaderRead(stream.get(), &target)) {
        return *target.error;
    }
    if (!target.header.dotsPerInch && !target.exif.isEmpty()) {
        target.header.dotsPerInch = detail::exifDotsPerInch(target.exif);
    }
    return std::move(target.header);
}

core::Expected<PictureHeader> readBmpHeader(RegularFile file) {
    const auto bmp = detail::readBmpFileHeader(file);
    if (!bmp) {
        return bmp.error();
    }
    if (file.size() < bmp->minimumFileSize()) {
        return errors::bmpCutOff();
    }
    PictureHeader header;
    header.kind = PictureKind::Bmp;
    header.size = QSize(static_cast<int>(bmp->width), static_cast<int>(bmp->height));
    header.fileSize = file.size();
    const bool placeholder = bmp->xPixelsPerMetre == kPlaceholderPixelsPerMetre &&
                             bmp->yPixelsPerMetre == kPlaceholderPixelsPerMetre;
    if (bmp->xPixelsPerMetre > 0 && bmp->yPixelsPerMetre > 0 && !placeholder) {
        header.dotsPerInch =
            QPointF(bmp->xPixelsPerMetre * kMetresPerInch, bmp->yPixelsPerMetre * kMetresPerInch);
    }
    return header;
}

}  // namespace

core::Expected<PictureHeader> readPictureHeader(const QString& path) {
    const PictureKind kind = pictureKindOf(path);
    if (kind == PictureKind::Unknown) {
        return errors::unsupportedKind();
    }
    auto file = RegularFile::open(path);
    if (!file) {
        return file.error();
    }
    return kind == PictureKind::Jpeg ? readJpegHeader(std::move(file).value())
                                     : readBmpHeader(std::move(file).value());
}

}  // namespace imaging
