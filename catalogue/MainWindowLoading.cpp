// Loading the catalogue: one file per tick of the loading timer, its thumbnail read
// ahead on worker threads, item i always file i of the open-folder list.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "catalogue/ThumbnailQueue.h"
#include "catalogue/UnreadableThumbnail.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "widgets/AppState.h"

#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kIconSpacing = 20;

}  // namespace

void MainWindow::beginLoading(int thumbnailSize, int fileCount) {
    if (readAhead_ == nullptr)
        readAhead_ = new catalogue::ThumbnailQueue(this);
    const OpenFolderDialog& openDialog = *windows_.openFolderDialog;
    CatalogueList& list = *catalogueList_;
    list.setIconSize(QSize(thumbnailSize, thumbnailSize));
    list.setGridSize(QSize(thumbnailSize + kIconSpacing, thumbnailSize + kIconSpacing));
    // The dialog is hidden while loading, so its option stays as it is now.
    loading_ = {catalogue::LoadingState::Phase::Running, 0, 0, openDialog.slowReading()};
    setStatusText(0, catalogue::loadPhaseText(loading_.phase));
    list.clear();
    unreadable_.clear();
    // Thumbnails sit on the list's own background colour.
    const QRgb background = list.palette().color(QPalette::Base).rgb();
    readAhead_->start(state_.CurrentFolder, openDialog.fileNames().mid(0, fileCount), thumbnailSize,
                      background);
    loading_.total = readAhead_->count();
    readAhead_->readAhead(0, loading_.slowReading);
    loadingTimer->start();
    // Esc in the list stops the loading.
    activateWindow();
    list.setFocus();
}

void MainWindow::loadNextFile() {
    if (!loading_.running()) {
        loadingTimer->stop();
        return;
    }
    const int index = loading_.next;
    if (index >= loading_.total) {
        endLoading(catalogue::LoadingState::Phase::Loaded);
        return;
    }
    // Only a file that has gone stops the loading: anything else at its name
    // (a FIFO, a folder) is read, refused and shown as unreadable.
    if (!QFileInfo::exists(readAhead_->path(index))) {
        loading_.next = loading_.total;
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this,
                                   QStringLiteral("見当たらないファイルがあります"),
                                   QStringLiteral("読込を中断します"));
        endLoading(catalogue::LoadingState::Phase::Loaded);
        return;
    }
    readAhead_->readAhead(index, loading_.slowReading);
    // A thumbnail still being read is taken at a later tick: the window
    // never waits for a decoder.
    if (!readAhead_->ready(index))
        return;

    CatalogueList& list = *catalogueList_;
    const QString name = readAhead_->name(index);
    const core::Expected<QImage> read = readAhead_->take(index, loading_.slowReading);
    QImage thumbnail = read ? *read : QImage();
    if (!read.ok()) {
        unreadable_.push_back(name);
        const int side = list.iconSize().width();
        thumbnail =
            catalogue::unreadableThumbnail(side, list.palette().color(QPalette::Base).rgb());
    }
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)), name);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    list.addItem(item);
    setStatusText(1, catalogue::loadingProgressText(index, loading_.total));
    list.clearSelection();
    item->setSelected(true);
    list.scrollToItem(item);
    ++loading_.next;
    if (loading_.next == loading_.total) {
        endLoading(catalogue::LoadingState::Phase::Loaded);
        return;
    }
    readAhead_->readAhead(loading_.next, loading_.slowReading);
}

void MainWindow::abortLoading() {
    if (!loading_.running())
        return;
    endLoading(catalogue::LoadingState::Phase::Interrupted);
}

void MainWindow::endLoading(catalogue::LoadingState::Phase phase) {
    loadingTimer->stop();
    if (readAhead_ != nullptr)
        readAhead_->stop();
    loading_.phase = phase;
    state_.CurrentIndex = -1;
    catalogueList_->clearSelection();
    setStatusText(0, catalogue::loadPhaseText(loading_.phase));
    // Panel 1 is empty, unless some listed files could not be read: then
    // it names them once (their items show a crossed grey square).
    setStatusText(1, catalogue::unreadableLoadText(unreadable_));
}
