// The split command: opens the split dialog for the selected images.
#include "catalogue/TForm1.h"

#include "catalogue/CatalogueList.h"
#include "split/TForm3.h"

#include <QPushButton>

void TForm1::IkkatuClick() {
    if (isBusy())
        return;
    if (List->selectedItems().isEmpty())
        return;
    setEnabled(false);
    TForm3& dialog = *windows_.Form3;
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.Button2->setFocus();
}
