// The split command: opens the split dialog for the selected images.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "split/SplitDialog.h"

void MainWindow::openSplitDialog() {
    if (isBusy())
        return;
    if (catalogueList_->selectedItems().isEmpty())
        return;
    setEnabled(false);
    windows_.splitDialog->open();
}
