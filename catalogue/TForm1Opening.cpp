// The open command: shows the open-folder dialog over the main window.
#include "catalogue/TForm1.h"

#include "dialogs/FolderTree.h"
#include "dialogs/TForm2.h"

void TForm1::Folder1Click() {
    if (isBusy())
        return;
    TForm2& dialog = *windows_.Form2;
    setEnabled(false);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.ShellTreeView1->setFocus();
    // The tree and the file list show the disk as it is now.
    dialog.refresh();
}
