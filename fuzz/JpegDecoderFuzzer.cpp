// Any bytes given to the JPEG decoder give an RGB picture within the
// picture limits or an error message, never a crash or a hang; a decoded
// picture has the size the header reader reports for the same file.

#include "fuzz/FuzzCheck.h"
#include "imaging/PictureIo.h"

using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const core::Expected<QSize> headerSize = imaging::jpegSize(bytes);
    if (headerSize && fuzzing::tooLargeToFuzz(*headerSize)) {
        return 0;
    }
    const core::Expected<QImage> picture = imaging::decodeJpeg(bytes);
    if (!picture) {
        require(!picture.error().message.isEmpty(), "a refused JPEG has a message");
        return 0;
    }
    require(!picture->isNull() && picture->format() == QImage::Format_RGB888,
            "a decoded JPEG is an RGB888 picture");
    require(imaging::checkPictureSize(picture->width(), picture->height()).ok(),
            "a decoded JPEG is within the picture limits");
    require(headerSize.ok() && *headerSize == picture->size(),
            "the header reader gives the size of the decoded picture");
    return 0;
}
