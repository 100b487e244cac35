#include "catalogue/ThumbnailQueue.h"

#include "catalogue/ThumbnailLoader.h"
#include "core/ExceptionBarrier.h"

#include <QDir>
#include <QThread>

#include <algorithm>

namespace catalogue {

namespace {

// The read of one thumbnail, with copies of all it needs: it runs on a
// worker thread or, for an entry not read ahead, on the window's.
auto thumbnailRead(const QString& path, int side, bool slowReading, QRgb background) {
    return [=]() -> core::Expected<QImage> {
        auto thumbnail = loadThumbnail(path, side, slowReading, background);
        // A thumbnail that could not be made is an unreadable entry too.
        if (thumbnail && thumbnail->isNull())
            return core::outOfMemory();
        return thumbnail;
    };
}

// Two readers keep a two-core machine's window responsive and are already
// about twice as fast as one.
int readerCount() {
    return std::clamp(QThread::idealThreadCount(), 1, 2);
}

}  // namespace

ThumbnailQueue::ThumbnailQueue(QObject* parent) : QObject(parent), reads_(kReadAhead, &pool_) {
    pool_.setMaxThreadCount(readerCount());
}

ThumbnailQueue::~ThumbnailQueue() = default;

void ThumbnailQueue::start(const QString& folder, const QStringList& names, int side,
                           QRgb background) {
    reads_.drop();
    folder_ = folder;
    names_ = names;
    side_ = side;
    background_ = background;
}

void ThumbnailQueue::stop() {
    reads_.drop();
    names_.clear();
}

QString ThumbnailQueue::path(int entry) const {
    if (entry < 0 || entry >= count())
        return {};
    return QDir(folder_).filePath(names_.at(entry));
}

void ThumbnailQueue::readAhead(int entry, bool slowReading) {
    reads_.keepAhead(entry, count(), [&](int next) {
        return thumbnailRead(path(next), side_, slowReading, background_);
    });
}

bool ThumbnailQueue::ready(int entry) const {
    return reads_.ready(entry);
}

core::Expected<QImage> ThumbnailQueue::take(int entry, bool slowReading) {
    if (auto read = reads_.waitAndTake(entry))
        return std::move(*read);
    return core::withoutExceptions(thumbnailRead(path(entry), side_, slowReading, background_));
}

}  // namespace catalogue
