#pragma once

#include "book/BindBook.h"
#include "book/BookPages.h"

#include <atomic>
#include <vector>

namespace book {

// What writing a book file came to.
struct BookOutput {
    core::Status status = core::success();
    qint64 bytes = 0;
    bool cancelled = false;
};

// What a book writer is given: the pages in book order, the request's
// choices, and the caller's progress and cancel flag. A writer calls
// pageDone once per page as it goes into the file.
struct BookJob {
    const std::vector<BookPage>& pages;
    const BindRequest& request;
    const BindProgress& progress;
    const std::atomic<bool>& cancelled;

    void pageDone(int done, const BookPage& page) const {
        if (progress) {
            progress(done, static_cast<int>(pages.size()), page.name);
        }
    }
};

// The producer both formats name: "Quillfold 1.5".
QString producerName();

}  // namespace book
