// Loading the catalogue: one file per tick of the loading timer, its thumbnail read
// ahead on worker threads, item i always file i of the open-folder list.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "catalogue/ThumbnailQueue.h"
#include "catalogue/UnreadableThumbnail.h"
#include "dialogs/NoticeBox.h"
#include "model/CatalogueModel.h"

#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kIconSpacing = 20;

}  // namespace

void MainWindow::beginLoading(const QString& folder, const QStringList& fileNames,
                              int thumbnailSide, bool slowReading) {
    if (readAhead_ == nullptr)
        readAhead_ = new catalogue::ThumbnailQueue(this);
    CatalogueList& list = *catalogueList_;
    list.setIconSize(QSize(thumbnailSide, thumbnailSide));
    list.setGridSize(QSize(thumbnailSide + kIconSpacing, thumbnailSide + kIconSpacing));
    catalogue_.beginLoading(folder, static_cast<int>(fileNames.size()), slowReading);
    setStatusText(0, catalogue::loadPhaseText(catalogue_.loading().phase));
    list.clear();
    unreadable_.clear();
    // Thumbnails sit on the list's own background colour.
    const QRgb background = list.palette().color(QPalette::Base).rgb();
    readAhead_->start(folder, fileNames, thumbnailSide, background);
    readAhead_->readAhead(0, slowReading);
    loadingTimer->start();
    // Esc in the list stops the loading.
    activateWindow();
    list.setFocus();
}

void MainWindow::loadNextFile() {
    const model::LoadingState& loading = catalogue_.loading();
    if (!loading.running()) {
        loadingTimer->stop();
        return;
    }
    const int index = loading.next;
    if (index >= loading.total) {
        endLoading(model::LoadingState::Phase::Loaded);
        return;
    }
    // Only a file that has gone stops the loading: anything else at its name
    // (a FIFO, a folder) is read, refused and shown as unreadable.
    if (!QFileInfo::exists(readAhead_->path(index))) {
        notices_.notify(this, tr("A file has gone"), tr("Loading stops"));
        endLoading(model::LoadingState::Phase::Loaded, true);
        return;
    }
    readAhead_->readAhead(index, loading.slowReading);
    // A thumbnail still being read is taken at a later tick: the window
    // never waits for a decoder.
    if (!readAhead_->ready(index))
        return;

    CatalogueList& list = *catalogueList_;
    const QString name = readAhead_->name(index);
    const core::Expected<QImage> read = readAhead_->take(index, loading.slowReading);
    QImage thumbnail = read ? *read : QImage();
    if (!read.ok()) {
        unreadable_.push_back(name);
        const int side = list.iconSize().width();
        thumbnail =
            catalogue::unreadableThumbnail(side, list.palette().color(QPalette::Base).rgb());
    }
    // The model has the file before the list selects its item.
    catalogue_.appendLoaded(name);
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)), name);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    list.addItem(item);
    setStatusText(1, catalogue::loadingProgressText(index, loading.total));
    list.clearSelection();
    item->setSelected(true);
    list.scrollToItem(item);
    if (loading.next == loading.total) {
        endLoading(model::LoadingState::Phase::Loaded);
        return;
    }
    readAhead_->readAhead(loading.next, loading.slowReading);
}

void MainWindow::abortLoading() {
    if (!catalogue_.loading().running())
        return;
    endLoading(model::LoadingState::Phase::Interrupted);
}

void MainWindow::endLoading(model::LoadingState::Phase phase, bool fileGone) {
    loadingTimer->stop();
    if (readAhead_ != nullptr)
        readAhead_->stop();
    catalogue_.endLoading(phase, fileGone);
    setStatusText(0, catalogue::loadPhaseText(phase));
    // Panel 1 is empty, unless some listed files could not be read: then
    // it names them once (their items show a crossed grey square).
    setStatusText(1, catalogue::unreadableLoadText(unreadable_));
}
