// The rename command: opens the rename dialog on the current item's name.
#include "catalogue/TForm1.h"

#include "app/AppState.h"
#include "catalogue/CatalogueList.h"
#include "dialogs/TForm4.h"

#include <QLineEdit>

void TForm1::KobetuClick() {
    if (state_.CurrentIndex == -1)
        return;
    if (isBusy())
        return;
    const QListWidgetItem* current = List->item(state_.CurrentIndex);
    if (!current)
        return;
    TForm4& dialog = *windows_.Form4;
    dialog.Memo1->setText(current->text());
    setEnabled(false);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.Memo1->setFocus();
}
