#include "book/CbzBook.h"

#include "book/BookErrors.h"
#include "book/ComicInfo.h"
#include "imaging/FileNames.h"
#include "imaging/ImagingErrors.h"
#include "imaging/RegularFile.h"
#include "imaging/ReplacementFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace book {

namespace {

constexpr int kLeastDigits = 4;

// What the page sources share with the writer: the job, the pages done
// and why the writing stopped.
struct ArchiveState {
    const BookJob& job;
    int done = 0;
    std::optional<PageProblem> failure;
    bool cancelled = false;
};

// One page's file as libzip reads it while it writes the archive, through
// RegularFile and only while it is the file the header was read from.
class PageSource {
public:
    PageSource(ArchiveState& state, int index) : state_(state), index_(index) {
        zip_error_init(&error_);
    }
    ~PageSource() { zip_error_fini(&error_); }
    PageSource(const PageSource&) = delete;
    PageSource& operator=(const PageSource&) = delete;

    static zip_int64_t callback(void* self, void* data, zip_uint64_t length,
                                zip_source_cmd_t command) {
        return static_cast<PageSource*>(self)->handle(data, length, command);
    }

private:
    const BookPage& page() const { return state_.job.pages[static_cast<size_t>(index_)]; }

    zip_int64_t fail(const core::Error& error) {
        state_.failure = PageProblem{page().name, error.message};
        zip_error_set(&error_, ZIP_ER_READ, 0);
        return -1;
    }

    bool stopRequested() {
        if (state_.job.cancelled.load()) {
            state_.cancelled = true;
            zip_error_set(&error_, ZIP_ER_CANCELLED, 0);
            return true;
        }
        return false;
    }

    zip_int64_t open() {
        if (stopRequested()) {
            return -1;
        }
        auto opened = openPage(page());
        if (!opened) {
            return fail(opened.error());
        }
        file_.emplace(std::move(opened).value());
        left_ = page().header.fileSize;
        return 0;
    }

    zip_int64_t read(void* data, zip_uint64_t length) {
        if (stopRequested()) {
            return -1;
        }
        const qint64 wanted = std::min<qint64>(left_, static_cast<qint64>(length));
        const qint64 read = file_->read(static_cast<char*>(data), wanted);
        if (read < 0) {
            return fail(imaging::errors::cannotRead());
        }
        if (read < wanted) {
            return fail(errors::pageChanged());
        }
        left_ -= read;
        return read;
    }

    zip_int64_t close() {
        file_.reset();
        state_.job.pageDone(++state_.done, page());
        return 0;
    }

    zip_int64_t stat(void* data, zip_uint64_t length) {
        if (length < sizeof(zip_stat_t)) {
            zip_error_set(&error_, ZIP_ER_INVAL, 0);
            return -1;
        }
        auto* info = static_cast<zip_stat_t*>(data);
        zip_stat_init(info);
        info->size = static_cast<zip_uint64_t>(page().header.fileSize);
        info->valid |= ZIP_STAT_SIZE;
        if (const QDateTime modified = QFileInfo(page().path).lastModified(); modified.isValid()) {
            info->mtime = static_cast<time_t>(modified.toSecsSinceEpoch());
            info->valid |= ZIP_STAT_MTIME;
        }
        return sizeof(zip_stat_t);
    }

    zip_int64_t handle(void* data, zip_uint64_t length, zip_source_cmd_t command) {
        switch (command) {
            case ZIP_SOURCE_OPEN:
                return open();
            case ZIP_SOURCE_READ:
                return read(data, length);
            case ZIP_SOURCE_CLOSE:
                return close();
            case ZIP_SOURCE_STAT:
                return stat(data, length);
            case ZIP_SOURCE_ERROR:
                return zip_error_to_data(&error_, data, length);
            case ZIP_SOURCE_FREE:
                delete this;
                return 0;
            case ZIP_SOURCE_SUPPORTS:
                return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                      ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                      ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
            default:
                zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
                return -1;
        }
    }

    ArchiveState& state_;
    const int index_;
    zip_error_t error_;
    std::optional<imaging::RegularFile> file_;
    qint64 left_ = 0;
};

QString libzipMessage(zip_t* archive) {
    return QString::fromUtf8(zip_strerror(archive));
}

// Adds `source` as `name` (libzip owns it from here, or frees it);
// false on failure.
bool addEntry(zip_t* archive, const QString& name, zip_source_t* source, bool store) {
    if (source == nullptr) {
        return false;
    }
    const zip_int64_t index =
        zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return !store || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                              ZIP_CM_STORE, 0) == 0;
}

struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

}  // namespace

QString archivePageName(int index, int count, const QString& fileName) {
    const int digits = std::max(kLeastDigits, static_cast<int>(QString::number(count).size()));
    return QStringLiteral("%1%2")
        .arg(index + 1, digits, 10, QLatin1Char('0'))
        .arg(imaging::extensionOf(fileName).toLower());
}

BookOutput writeCbz(const BookJob& job) {
    BookOutput output;
    // libzip writes by name, into a file of its own that it renames over
    // the name given: a hidden name beside the book, which then goes on
    // the disk and over the book's name as every output does.
    const QString temporary = imaging::temporaryNameBeside(job.request.outputFile);
    int error = 0;
    std::unique_ptr<zip_t, ArchiveDiscard> archive(
        zip_open(QFile::encodeName(temporary).constData(), ZIP_CREATE | ZIP_EXCL, &error));
    if (!archive) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        output.status = errors::archiveNotWritten(QString::fromUtf8(zip_error_strerror(&reason)));
        zip_error_fini(&reason);
        return output;
    }
    ArchiveState state{job, 0, std::nullopt, false};
    const int count = static_cast<int>(job.pages.size());
    std::vector<ComicPage> described;
    for (int i = 0; i < count; ++i) {
        const BookPage& page = job.pages[static_cast<size_t>(i)];
        auto reader = std::make_unique<PageSource>(state, i);
        zip_source_t* source =
            zip_source_function(archive.get(), &PageSource::callback, reader.get());
        if (source != nullptr) {
            reader.release();  // freed by libzip through ZIP_SOURCE_FREE
        }
        if (!addEntry(archive.get(), archivePageName(i, count, page.name), source, true)) {
            output.status = errors::archiveNotWritten(libzipMessage(archive.get()));
            return output;
        }
        described.push_back({page.header.size, page.header.fileSize});
    }
    const QByteArray info =
        comicInfo(job.request.title, job.request.author, job.request.direction, described);
    if (!addEntry(archive.get(), QStringLiteral("ComicInfo.xml"),
                  zip_source_buffer(archive.get(), info.constData(),
                                    static_cast<zip_uint64_t>(info.size()), 0),
                  false)) {
        output.status = errors::archiveNotWritten(libzipMessage(archive.get()));
        return output;
    }
    if (zip_close(archive.get()) == 0) {
        archive.release();
        output.bytes = QFileInfo(temporary).size();
        output.status = imaging::replaceWith(temporary, job.request.outputFile);
        return output;
    }
    if (state.cancelled) {
        output.cancelled = true;
        output.status = errors::stopped();
    } else if (state.failure) {
        output.status = core::Error{core::ErrorKind::CannotRead, state.failure->line()};
    } else {
        output.status = errors::archiveNotWritten(libzipMessage(archive.get()));
    }
    return output;
}

}  // namespace book
