// Loading the catalogue: one file per tick of Timer1, its thumbnail read
// ahead on worker threads, item i always file i of the open-folder list.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "catalogue/ThumbnailQueue.h"
#include "catalogue/UnreadableThumbnail.h"
#include "core/AppState.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"

#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kIconSpacing = 20;

}  // namespace

void MainWindow::beginLoading(int thumbnailSize, int fileCount) {
    if (loading_ == nullptr)
        loading_ = new catalogue::ThumbnailQueue(this);
    const OpenFolderDialog& openDialog = *windows_.openFolderDialog;
    List->setIconSize(QSize(thumbnailSize, thumbnailSize));
    List->setGridSize(QSize(thumbnailSize + kIconSpacing, thumbnailSize + kIconSpacing));
    setStatusText(0, catalogue::kLoadingText);
    List->clear();
    unreadable_.clear();
    state_.WorkIndex = 0;
    // Thumbnails sit on the list's own background colour.
    const QRgb background = List->palette().color(QPalette::Base).rgb();
    loading_->start(state_.CurrentFolder, openDialog.fileNames().mid(0, fileCount), thumbnailSize,
                    background);
    loading_->readAhead(0, openDialog.slowReading());
    Timer1->start();
    // Esc in the list stops the loading.
    activateWindow();
    List->setFocus();
}

void MainWindow::Timer1Timer() {
    if (loading_ == nullptr) {
        Timer1->stop();
        return;
    }
    const int total = loading_->count();
    const int index = state_.WorkIndex;
    if (index >= total) {
        endLoading(catalogue::kLoadedText);
        return;
    }
    if (!QFileInfo(loading_->path(index)).isFile()) {
        state_.WorkIndex = total;
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this,
                                   QStringLiteral("見当たらないファイルがあります"),
                                   QStringLiteral("読込を中断します"));
        endLoading(catalogue::kLoadedText);
        return;
    }
    // The dialog is hidden while loading, so its option stays as it was set.
    const bool slowReading = windows_.openFolderDialog->slowReading();
    loading_->readAhead(index, slowReading);
    // A thumbnail still being read is taken at a later tick: the window
    // never waits for a decoder.
    if (!loading_->ready(index))
        return;

    const QString name = loading_->name(index);
    const catalogue::ThumbnailRead read = loading_->take(index, slowReading);
    QImage thumbnail = read.thumbnail;
    if (!read.ok()) {
        unreadable_.push_back(name);
        const int side = List->iconSize().width();
        thumbnail =
            catalogue::unreadableThumbnail(side, List->palette().color(QPalette::Base).rgb());
    }
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)), name);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    List->addItem(item);
    setStatusText(1, catalogue::loadingProgressText(index, total));
    List->clearSelection();
    item->setSelected(true);
    List->scrollToItem(item);
    ++state_.WorkIndex;
    if (state_.WorkIndex == total) {
        endLoading(catalogue::kLoadedText);
        return;
    }
    loading_->readAhead(state_.WorkIndex, slowReading);
}

void MainWindow::abortLoading() {
    if (!isBusy())
        return;
    endLoading(catalogue::kLoadInterruptedText);
}

void MainWindow::endLoading(const QString& panel0Text) {
    Timer1->stop();
    if (loading_ != nullptr)
        loading_->stop();
    state_.CurrentIndex = -1;
    List->clearSelection();
    setStatusText(0, panel0Text);
    // Panel 1 is empty, unless some listed files could not be read: then
    // it names them once (their items show a crossed grey square).
    setStatusText(1, catalogue::unreadableLoadText(unreadable_));
}
