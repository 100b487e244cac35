#include "catalogue/ThumbnailQueue.h"

#include "catalogue/ThumbnailLoader.h"
#include "imaging/ExceptionBarrier.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace catalogue {

namespace {

// Runs on a worker thread or, for an entry not read ahead, on the window's:
// either way nothing may throw out of it.
ThumbnailRead readThumbnail(const QString& path, int side, bool slowReading, QRgb background) {
    const imaging::Expected<QImage> thumbnail = imaging::withoutExceptions(
        [&] { return loadThumbnail(path, side, slowReading, background); });
    if (!thumbnail)
        return {QImage(), thumbnail.error().message};
    return {*thumbnail, QString()};
}

}  // namespace

ThumbnailQueue::ThumbnailQueue(QObject* parent) : QObject(parent) {
    // Two readers keep a two-core machine's window responsive and are
    // already about twice as fast as one.
    pool_.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 2));
}

ThumbnailQueue::~ThumbnailQueue() {
    dropReads();
}

void ThumbnailQueue::start(const QString& folder, const QStringList& names, int side,
                           QRgb background) {
    dropReads();
    folder_ = folder;
    names_ = names;
    side_ = side;
    background_ = background;
}

void ThumbnailQueue::stop() {
    dropReads();
    names_.clear();
}

void ThumbnailQueue::dropReads() {
    // A cancelled read that has not started yet never runs.
    for (auto& [entry, read] : reads_)
        read.cancel();
    reads_.clear();
}

QString ThumbnailQueue::path(int entry) const {
    if (entry < 0 || entry >= count())
        return {};
    return QDir(folder_).filePath(names_.at(entry));
}

void ThumbnailQueue::readAhead(int entry, bool slowReading) {
    const int end = std::min(count(), entry + kReadAhead);
    for (int next = std::max(entry, 0); next < end; ++next) {
        if (reads_.contains(next))
            continue;
        reads_.emplace(next, QtConcurrent::run(&pool_, readThumbnail, path(next), side_,
                                               slowReading, background_));
    }
}

bool ThumbnailQueue::ready(int entry) const {
    const auto read = reads_.find(entry);
    return read != reads_.end() && read->second.isFinished();
}

ThumbnailRead ThumbnailQueue::take(int entry, bool slowReading) {
    const auto read = reads_.find(entry);
    if (read == reads_.end())
        return readThumbnail(path(entry), side_, slowReading, background_);
    ThumbnailRead result = read->second.result();
    reads_.erase(read);
    return result;
}

}  // namespace catalogue
