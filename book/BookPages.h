#pragma once

#include "book/BindBook.h"
#include "imaging/PictureHeader.h"
#include "imaging/RegularFile.h"

#include <QString>

#include <atomic>
#include <vector>

namespace book {

// One page as the book takes it: its file and what its header says.
struct BookPage {
    QString path;
    QString name;
    imaging::PictureHeader header;
};

// A pages folder read for binding: the pages whose headers can be read,
// in folder order, and every other entry named like a page, with why.
struct PageSurvey {
    std::vector<BookPage> pages;
    std::vector<PageProblem> problems;
    // False when the folder itself cannot be read.
    bool readable = true;
    bool cancelled = false;
};

// Lists `folder` as the program does (natural order; links that lead
// nowhere, FIFOs and names that are not UTF-8 among the problems) and
// reads each page's header through imaging::RegularFile, so an entry that
// is no regular file is never waited on. `cancelled` is polled between
// pages.
PageSurvey surveyPages(const QString& folder, const std::atomic<bool>& cancelled);

// The page's file opened for reading, as long as it is still the file its
// header was read from (of the same length).
core::Expected<imaging::RegularFile> openPage(const BookPage& page);

// The size of a page in points (1/72 inch): its pixels at `dpi` when
// given, else at the file's own density, else at kDefaultDpi.
struct PageSize {
    double width = 0;
    double height = 0;
};
PageSize pageSizeInPoints(const imaging::PictureHeader& header, std::optional<int> dpi);

}  // namespace book
