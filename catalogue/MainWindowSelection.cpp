// Selection in the catalogue: the current item, the status bar, select all,
// invert, and the refusal of caption edits in place.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/RenameDialog.h"
#include "widgets/AppState.h"

#include <QItemSelection>
#include <QItemSelectionModel>
#include <QTimer>

namespace {

// The caption an item had when it was last set by the program (loading or
// the rename dialog). A caption edited in place is put back to it.
constexpr int kAcceptedCaptionRole = Qt::UserRole + 1;

const QString kNoEditInPlace = QStringLiteral("この方法でリネームはできません");

int selectedCount(const QListWidget& list) {
    return static_cast<int>(list.selectionModel()->selectedIndexes().size());
}

// Row of the lowest-numbered selected item, or -1.
int lowestSelectedRow(const QListWidget& list) {
    int lowest = -1;
    for (const QModelIndex& index : list.selectionModel()->selectedIndexes()) {
        if (lowest < 0 || index.row() < lowest)
            lowest = index.row();
    }
    return lowest;
}

}  // namespace

void MainWindow::showCurrentItem() {
    setStatusText(0, catalogue::kSplittableText);
    const int count = selectedCount(*catalogueList_);
    if (count == 1) {
        const QListWidgetItem* current = catalogueList_->item(state_.CurrentIndex);
        setStatusText(1, catalogue::currentItemText(state_.CurrentIndex,
                                                    current ? current->text() : QString()));
    } else if (count > 1) {
        setStatusText(1, catalogue::selectedCountText(count));
    }
    // With nothing selected panel 1 keeps what it showed.
}

void MainWindow::clearCurrentItem() {
    state_.CurrentIndex = -1;
    setStatusText(0, QString());
    setStatusText(1, QString());
    catalogueList_->selectionModel()->clearCurrentIndex();
}

void MainWindow::takeCurrentFromPress(QPoint position) {
    if (isBusy())
        return;
    const QListWidgetItem* hit = catalogueList_->itemAt(position);
    if (hit) {
        state_.CurrentIndex = catalogueList_->row(hit);
        pressedCaption_ = hit->text();
        showCurrentItem();
    } else {
        clearCurrentItem();
    }
}

void MainWindow::takeCurrentFromKeys(int key, Qt::KeyboardModifiers modifiers) {
    if (isBusy() && key == Qt::Key_Escape)
        abortLoading();
    if (isBusy())
        return;
    if (modifiers.testFlag(Qt::ControlModifier) && key == Qt::Key_A)
        catalogueList_->selectAll();
    if (key == Qt::Key_Escape)
        return;
    const int lowest = lowestSelectedRow(*catalogueList_);
    if (lowest >= 0) {
        state_.CurrentIndex = lowest;
        showCurrentItem();
    } else {
        clearCurrentItem();
    }
}

void MainWindow::rememberCaptions(int first, int last) {
    for (int row = first; row <= last; ++row) {
        if (QListWidgetItem* item = catalogueList_->item(row)) {
            item->setData(kAcceptedCaptionRole, item->text());
        }
    }
}

void MainWindow::undoEditInPlace(QListWidgetItem* item) {
    if (!item)
        return;
    const QVariant accepted = item->data(kAcceptedCaptionRole);
    const QString before = accepted.isValid() ? accepted.toString() : pressedCaption_;
    // Icons, flags and the caption put back below leave the text as it was.
    if (item->text() == before)
        return;
    // The loader (busy) and the rename dialog (main window disabled under
    // it) set captions that name the files.
    const bool renameDialogAtWork = !isEnabled() && windows_.renameDialog->isVisible();
    if (isBusy() || renameDialogAtWork) {
        item->setData(kAcceptedCaptionRole, item->text());
        return;
    }
    // Any other change is an edit in place, which would leave the caption
    // naming no file: the caption goes back (this handler runs again and
    // finds the text unchanged).
    item->setText(before);
    // The notice follows once the editor has closed. An edit that ends
    // because the window closes, or because another dialog disabled it, is
    // undone quietly: nobody would answer the notice then.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && isEnabled())
            windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this, kNoEditInPlace);
    });
}

void MainWindow::invertSelection() {
    CatalogueList& list = *catalogueList_;
    if (isBusy() || list.count() == 0)
        return;
    const int last = list.count() - 1;
    QItemSelectionModel& selection = *list.selectionModel();
    // The last item the inversion selects becomes the focused one: the
    // highest-numbered item not selected now.
    int focus = -1;
    for (int row = last; row >= 0 && focus < 0; --row) {
        if (!selection.isSelected(list.model()->index(row, 0)))
            focus = row;
    }
    // One toggle over the whole list, instead of 9999 single changes.
    selection.select(QItemSelection(list.model()->index(0, 0), list.model()->index(last, 0)),
                     QItemSelectionModel::Toggle);
    if (focus >= 0) {
        selection.setCurrentIndex(list.model()->index(focus, 0), QItemSelectionModel::NoUpdate);
    }
}
