#include "book/BookErrors.h"

#include <QCoreApplication>

namespace book::errors {

using core::Error;
using core::ErrorKind;

Error pagesFolderMissing() {
    return {ErrorKind::FolderMissing,
            QCoreApplication::translate("book", "The pages folder does not exist")};
}

Error outputFolderMissing() {
    return {ErrorKind::FolderMissing,
            QCoreApplication::translate("book", "The folder of the book file does not exist")};
}

Error outputIsFolder() {
    return {ErrorKind::CannotOpen,
            QCoreApplication::translate("book", "A folder has the book file's name")};
}

Error outputInPagesFolder() {
    return {ErrorKind::SourceProtected,
            QCoreApplication::translate(
                "book", "The book cannot be written into the pages folder: choose another folder")};
}

Error outputNamedLikeAPicture() {
    return {ErrorKind::SourceProtected,
            QCoreApplication::translate(
                "book", "The book file has the name of a picture: give it a .pdf or .cbz name")};
}

Error noPages() {
    return {ErrorKind::NothingToWrite,
            QCoreApplication::translate("book", "The folder has no JPEG or BMP pages")};
}

Error badPages(int count) {
    return {ErrorKind::Damaged,
            QCoreApplication::translate(
                "book", "%n page(s) cannot be read, so the book was not written", nullptr, count)};
}

Error pageChanged() {
    return {ErrorKind::CannotRead,
            QCoreApplication::translate("book", "The page changed while the book was written")};
}

Error pagesFolderUnreadable() {
    return {ErrorKind::CannotOpen,
            QCoreApplication::translate("book", "The pages folder cannot be read")};
}

Error stopped() {
    return {ErrorKind::Unexpected, QCoreApplication::translate("book", "Stopped")};
}

Error pdfNotWritten(const QString& detail) {
    return {ErrorKind::Unexpected,
            QCoreApplication::translate("book", "The PDF cannot be made: %1").arg(detail)};
}

Error archiveNotWritten(const QString& detail) {
    return {ErrorKind::WriteFailed,
            QCoreApplication::translate("book", "The archive cannot be written: %1").arg(detail)};
}

}  // namespace book::errors
