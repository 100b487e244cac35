// The split command: opens the split dialog for the selected images.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "split/SplitDialog.h"

#include <QPushButton>

void MainWindow::IkkatuClick() {
    if (isBusy())
        return;
    if (List->selectedItems().isEmpty())
        return;
    setEnabled(false);
    SplitDialog& dialog = *windows_.splitDialog;
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.Button2->setFocus();
}
