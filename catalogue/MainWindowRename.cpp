// The rename command: opens the rename dialog on the current item's name.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "dialogs/RenameDialog.h"
#include "widgets/AppState.h"

void MainWindow::openRenameDialog() {
    if (state_.CurrentIndex == -1)
        return;
    if (isBusy())
        return;
    const QListWidgetItem* current = catalogueList_->item(state_.CurrentIndex);
    if (!current)
        return;
    setEnabled(false);
    windows_.renameDialog->open(current->text());
}

void MainWindow::showRenamed(int index, const QString& newName) {
    QListWidgetItem* item = catalogueList_->item(index);
    if (!item)
        return;
    // The caption changes while the window is still disabled, so the
    // catalogue takes it as a rename and not as an edit in place.
    item->setText(newName);
    setStatusText(1, catalogue::currentItemText(index, newName));
}
