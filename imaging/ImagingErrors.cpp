#include "imaging/ImagingErrors.h"

#include <QCoreApplication>

namespace imaging::errors {

using core::Error;
using core::ErrorKind;

Error fileMissing() {
    return {ErrorKind::FileMissing,
            QCoreApplication::translate("imaging", "The file cannot be found")};
}

Error notRegularFile() {
    return {ErrorKind::NotRegularFile,
            QCoreApplication::translate("imaging", "Not a regular file")};
}

Error cannotOpen() {
    return {ErrorKind::CannotOpen,
            QCoreApplication::translate("imaging", "The file cannot be opened")};
}

Error cannotRead() {
    return {ErrorKind::CannotRead,
            QCoreApplication::translate("imaging", "The file cannot be read")};
}

Error fileEmpty() {
    return {ErrorKind::FileEmpty, QCoreApplication::translate("imaging", "The file is empty")};
}

Error fileTooLarge() {
    return {ErrorKind::FileTooLarge,
            QCoreApplication::translate("imaging", "The file is too large")};
}

Error unsupportedKind() {
    return {ErrorKind::Unsupported,
            QCoreApplication::translate("imaging", "Not a supported format")};
}

Error damagedPicture() {
    return {ErrorKind::Damaged,
            QCoreApplication::translate("imaging", "The picture file is damaged")};
}

Error pictureTooLarge() {
    return {ErrorKind::PictureTooLarge,
            QCoreApplication::translate("imaging", "The picture is too large")};
}

Error pictureTooLarge(qint64 width, qint64 height) {
    return {ErrorKind::PictureTooLarge,
            QCoreApplication::translate("imaging", "The picture is too large (%1x%2)")
                .arg(width)
                .arg(height)};
}

Error noPicture() {
    return {ErrorKind::NothingToWrite,
            QCoreApplication::translate("imaging", "There is no picture")};
}

Error notJpeg() {
    return {ErrorKind::NotThatKind, QCoreApplication::translate("imaging", "Not a JPEG file")};
}

Error unsupportedJpeg() {
    return {ErrorKind::Unsupported,
            QCoreApplication::translate("imaging", "A kind of JPEG that is not supported")};
}

Error jpegCutOff() {
    return {ErrorKind::CutOff,
            QCoreApplication::translate("imaging", "The JPEG file is cut short")};
}

Error damagedJpeg() {
    return {ErrorKind::Damaged, QCoreApplication::translate("imaging", "The JPEG file is damaged")};
}

Error jpegNotWritten() {
    return {ErrorKind::Unexpected,
            QCoreApplication::translate("imaging", "The JPEG file cannot be made")};
}

Error badRowRequest() {
    return {ErrorKind::Unexpected,
            QCoreApplication::translate("imaging", "The rows to read are not valid")};
}

Error notBmp() {
    return {ErrorKind::NotThatKind, QCoreApplication::translate("imaging", "Not a BMP file")};
}

Error bmpCutOff() {
    return {ErrorKind::CutOff, QCoreApplication::translate("imaging", "The BMP file is cut short")};
}

Error damagedBmp() {
    return {ErrorKind::Damaged, QCoreApplication::translate("imaging", "The BMP file is damaged")};
}

Error folderMissing() {
    return {ErrorKind::FolderMissing,
            QCoreApplication::translate("imaging", "The destination folder cannot be found")};
}

Error writeFailed() {
    return {ErrorKind::WriteFailed,
            QCoreApplication::translate("imaging", "The file cannot be written")};
}

Error diskFull() {
    return {ErrorKind::DiskFull,
            QCoreApplication::translate("imaging", "Not enough free space at the destination")};
}

Error nameTaken() {
    return {ErrorKind::NameTaken,
            QCoreApplication::translate("imaging", "A file of that name exists")};
}

Error cannotRename() {
    return {ErrorKind::CannotRename,
            QCoreApplication::translate("imaging", "The name cannot be changed")};
}

Error copyOntoItself() {
    return {ErrorKind::SameFile,
            QCoreApplication::translate("imaging", "A file cannot be copied onto itself")};
}

}  // namespace imaging::errors
