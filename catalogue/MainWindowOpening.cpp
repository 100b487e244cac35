// The open command: shows the open-folder dialog over the main window.
#include "catalogue/MainWindow.h"

#include "dialogs/FolderTree.h"
#include "dialogs/OpenFolderDialog.h"

void MainWindow::Folder1Click() {
    if (isBusy())
        return;
    OpenFolderDialog& dialog = *windows_.openFolderDialog;
    setEnabled(false);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.ShellTreeView1->setFocus();
    // The tree and the file list show the disk as it is now.
    dialog.refresh();
}
