#pragma once

#include "core/Error.h"

#include <QString>

// Every message of binding a book, in one place.
namespace book::errors {

core::Error pagesFolderMissing();
core::Error outputFolderMissing();
core::Error outputIsFolder();
core::Error outputInPagesFolder();
core::Error outputNamedLikeAPicture();
core::Error noPages();
core::Error badPages(int count);
core::Error pageChanged();
core::Error pagesFolderUnreadable();
core::Error stopped();
// The PDF or archive library failed; `detail` is its own (English) text.
core::Error pdfNotWritten(const QString& detail);
core::Error archiveNotWritten(const QString& detail);

}  // namespace book::errors
