// Selection in the catalogue: the current item, the status bar, select all,
// invert, and the refusal of caption edits in place.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "dialogs/NoticeBox.h"
#include "model/CatalogueModel.h"

#include <QItemSelection>
#include <QItemSelectionModel>
#include <QTimer>

#include <algorithm>

namespace {

// The caption an item had when it was last set by the program (loading or
// the rename dialog). A caption edited in place is put back to it.
constexpr int kAcceptedCaptionRole = Qt::UserRole + 1;

}  // namespace

void MainWindow::showCurrentItem() {
    setStatusText(0, catalogue::splittableText());
    const int count = catalogue_.selectedCount();
    if (count == 1) {
        const int current = catalogue_.current();
        setStatusText(1, catalogue::currentItemText(current, catalogue_.fileName(current)));
    } else if (count > 1) {
        setStatusText(1, catalogue::selectedCountText(count));
    }
    // With nothing selected panel 1 keeps what it showed.
}

void MainWindow::clearCurrentItem() {
    catalogue_.setCurrentItem(-1);
    setStatusText(0, QString());
    setStatusText(1, QString());
    catalogueList_->selectionModel()->clearCurrentIndex();
}

void MainWindow::takeCurrentFromPress(QPoint position) {
    if (isBusy())
        return;
    const QListWidgetItem* hit = catalogueList_->itemAt(position);
    if (hit) {
        catalogue_.setCurrentItem(catalogueList_->row(hit));
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
    const int lowest = catalogue_.lowestSelected();
    if (lowest >= 0) {
        catalogue_.setCurrentItem(lowest);
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
    // The loader (busy) and a rename (showRenamed) set captions that name
    // the files.
    if (isBusy() || followingModel_) {
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
            notices_.notify(this, tr("Files cannot be renamed this way"));
    });
}

void MainWindow::invertSelection() {
    if (!isBusy())
        catalogue_.invertSelection();
}

void MainWindow::showRenamed(int index) {
    QListWidgetItem* item = catalogueList_->item(index);
    if (!item)
        return;
    const QString name = catalogue_.fileName(index);
    followingModel_ = true;
    item->setText(name);
    followingModel_ = false;
    setStatusText(1, catalogue::currentItemText(index, name));
}

void MainWindow::followSelection(int focus) {
    CatalogueList& list = *catalogueList_;
    QAbstractItemModel& rows = *list.model();
    // Runs of selected rows, so a large catalogue is not redrawn item by item.
    QItemSelection selection;
    const int count = std::min(list.count(), catalogue_.count());
    for (int row = 0; row < count;) {
        if (!catalogue_.isSelected(row)) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && catalogue_.isSelected(row))
            ++row;
        selection.append(QItemSelectionRange(rows.index(first, 0), rows.index(row - 1, 0)));
    }
    followingModel_ = true;
    list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (focus >= 0 && focus < list.count())
        list.selectionModel()->setCurrentIndex(rows.index(focus, 0), QItemSelectionModel::NoUpdate);
    followingModel_ = false;
}

void MainWindow::takeListSelection(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    if (followingModel_)
        return;
    for (const QItemSelectionRange& range : deselected)
        catalogue_.takeSelectionRange(range.top(), range.bottom(), false);
    for (const QItemSelectionRange& range : selected)
        catalogue_.takeSelectionRange(range.top(), range.bottom(), true);
}
