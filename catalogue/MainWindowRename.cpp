// The rename command: opens the rename dialog on the current item's name.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "core/AppState.h"
#include "dialogs/RenameDialog.h"

#include <QLineEdit>

void MainWindow::KobetuClick() {
    if (state_.CurrentIndex == -1)
        return;
    if (isBusy())
        return;
    const QListWidgetItem* current = List->item(state_.CurrentIndex);
    if (!current)
        return;
    RenameDialog& dialog = *windows_.renameDialog;
    dialog.Memo1->setText(current->text());
    setEnabled(false);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.Memo1->setFocus();
}

void MainWindow::showRenamed(int index, const QString& newName) {
    QListWidgetItem* item = List->item(index);
    if (!item)
        return;
    // The caption changes while the window is still disabled, so the
    // catalogue takes it as a rename and not as an edit in place.
    item->setText(newName);
    setStatusText(1, catalogue::currentItemText(index, newName));
}
