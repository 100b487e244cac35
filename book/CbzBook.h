#pragma once

#include "book/BookOutput.h"

#include <QString>

namespace book {

// Writes the job's pages as a comic book archive through libzip: each
// page's file stored as it is (no compression), in book order, named by
// its number zero-padded to the same width (at least four digits) with its
// own extension in lower case ("0001.jpg"), then ComicInfo.xml. libzip
// writes the archive into a temporary file beside the output and renames
// it into place at the end; a failure or a cancel removes it. Pages are
// read from disk while the archive is written, one at a time.
BookOutput writeCbz(const BookJob& job);

// The name of page `index` (from 0) of `count` in the archive.
QString archivePageName(int index, int count, const QString& fileName);

}  // namespace book
