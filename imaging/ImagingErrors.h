#pragma once

#include "core/Error.h"

#include <QtGlobal>

// Every message of reading and writing picture files, in one place.
namespace imaging::errors {

// Files.
core::Error fileMissing();
core::Error notRegularFile();
core::Error cannotOpen();
core::Error cannotRead();
core::Error fileEmpty();
core::Error fileTooLarge();
core::Error unsupportedKind();

// Pictures in general.
core::Error damagedPicture();
core::Error pictureTooLarge();
core::Error pictureTooLarge(qint64 width, qint64 height);
core::Error noPicture();

// JPEG.
core::Error notJpeg();
core::Error unsupportedJpeg();
core::Error jpegCutOff();
core::Error damagedJpeg();
core::Error jpegNotWritten();
core::Error badRowRequest();

// BMP.
core::Error notBmp();
core::Error bmpCutOff();
core::Error damagedBmp();

// Writing, copying and renaming.
core::Error folderMissing();
core::Error writeFailed();
core::Error diskFull();
core::Error nameTaken();
core::Error cannotRename();
core::Error copyOntoItself();

}  // namespace imaging::errors
