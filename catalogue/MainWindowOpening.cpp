// The open command: shows the open-folder dialog over the main window.
#include "catalogue/MainWindow.h"

#include "dialogs/OpenFolderDialog.h"

void MainWindow::openFolder() {
    if (isBusy())
        return;
    setEnabled(false);
    windows_.openFolderDialog->open();
}
