#pragma once

#include "model/SplitOptions.h"
#include "split/ItemWork.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

namespace split {

// Finds, on a worker thread, where one image would be cut at its gutter
// and how its pages would be straightened, for a user who checks an image
// before a batch. The gutter search and the deskew are asked for whatever
// the options say; the reading direction, centre removal and the deskew's
// cap are the options'. A new request drops the result of the one before.
class FindingsLookup : public QObject {
    Q_OBJECT
public:
    explicit FindingsLookup(QObject* parent = nullptr);
    ~FindingsLookup() override;

    void lookUp(const SplitItem& item, const SplitOptions& options);

signals:
    // The findings of the image at `path` on one line (findingsLine), or
    // why it could not be measured.
    void found(const QString& path, const QString& line);

private:
    struct Result {
        QString path;
        QString line;
    };
    QFutureWatcher<Result> watcher_;
    QString latestPath_;
};

}  // namespace split
