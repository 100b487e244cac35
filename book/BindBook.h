#pragma once

#include "core/Error.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

// Binding a folder of pages into one book file, a PDF or a comic book
// archive, without widgets: the engine of quillfold-book and of the
// program's book dialog.
namespace book {

// The density of a page whose file gives none.
inline constexpr int kDefaultDpi = 300;

enum class Format { Pdf, Cbz };
enum class Direction { LeftToRight, RightToLeft };

struct BindRequest {
    QString pagesFolder;
    QString outputFile;
    Format format = Format::Pdf;
    Direction direction = Direction::LeftToRight;
    // Pixels per inch of every page, instead of what each file says; pages
    // that say nothing take kDefaultDpi.
    std::optional<int> dpi;
    QString title;
    QString author;
    // Leave out the pages that cannot be read instead of writing no book.
    bool skipBad = false;
};

// A page that cannot be bound, and why (in the interface's language).
struct PageProblem {
    QString name;
    QString reason;

    // "name: reason"
    QString line() const;
};

struct BindResult {
    // Success when the book was written; otherwise why not.
    core::Status status = core::success();
    int pagesBound = 0;
    // The book's length in bytes, once written.
    qint64 bookBytes = 0;
    // Every page that cannot be read: left out of the book with skipBad,
    // otherwise the reason it was not written.
    std::vector<PageProblem> badPages;
    // Stopped by the cancel flag: no book, and no temporary file, is left.
    bool cancelled = false;
};

// Called once per page bound, from the thread that called bindBook:
// pages done, pages in the book, the page's file name.
using BindProgress = std::function<void(int done, int total, const QString& fileName)>;

// Binds the JPEG and BMP pages of request.pagesFolder, in the order the
// program lists them (model::listPictureFiles), into request.outputFile.
// Reads only the pages' headers first, then streams each page from its
// file into the book, so memory stays flat however many pages there are.
// The book goes to a temporary file in the output's folder and is renamed
// into place once complete; the pages folder is never changed, and an
// output inside it is refused. `cancelled` is polled between pages and
// while a page is copied. Call from any one thread.
BindResult bindBook(const BindRequest& request, const BindProgress& progress,
                    const std::atomic<bool>& cancelled);

// The format a file name asks for: ".pdf" or ".cbz" in any case; nothing
// for any other.
std::optional<Format> formatFromSuffix(const QString& fileName);

}  // namespace book
