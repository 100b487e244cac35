// The split command: opens the split dialog for the selected images.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "split/SplitDialog.h"

void MainWindow::IkkatuClick() {
    if (isBusy())
        return;
    if (List->selectedItems().isEmpty())
        return;
    setEnabled(false);
    windows_.splitDialog->open();
}
