#pragma once

#include "core/Error.h"
#include "core/OrderedReadAhead.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

namespace catalogue {

// The files of one catalogue loading, with their thumbnails read ahead on
// worker threads so the window's loading step only has to take the next
// finished one. Entries are read a few ahead of the one being added and
// are taken strictly in order; nothing here touches a widget. start() and
// stop() drop the reads still pending: running ones finish on their thread
// and their results are thrown away, queued ones do not start.
//
// Used from one thread (the window's); the reads themselves run elsewhere.
class ThumbnailQueue : public QObject {
    Q_OBJECT
public:
    // Entries read ahead of the one being added, that one included.
    static constexpr int kReadAhead = 3;

    explicit ThumbnailQueue(QObject* parent);
    // Waits for the reads still running (at most a few).
    ~ThumbnailQueue() override;

    // A new loading of `names` in `folder`, with thumbnails of `side`
    // pixels on `background`.
    void start(const QString& folder, const QStringList& names, int side, QRgb background);
    // Drops the pending reads and forgets the names.
    void stop();

    int count() const { return static_cast<int>(names_.size()); }
    QString name(int entry) const { return names_.value(entry); }
    // Full path of entry `entry`.
    QString path(int entry) const;

    // Makes sure entries `entry` to `entry` + kReadAhead - 1 are being read;
    // reads started now use `slowReading`.
    void readAhead(int entry, bool slowReading);
    // Whether the read of `entry` has finished (false when never started).
    bool ready(int entry) const;
    // The thumbnail of `entry`, or why it could not be read: read now when
    // it was not started and waited for when it is still running. Forgets
    // the entry.
    core::Expected<QImage> take(int entry, bool slowReading);

private:
    // Declared first: destroyed last, it waits for the reads still running.
    QThreadPool pool_;
    OrderedReadAhead<QImage> reads_;
    QString folder_;
    QStringList names_;
    int side_ = 0;
    QRgb background_ = 0;
};

}  // namespace catalogue
