// The rename command: opens the rename dialog on the current item's name.
#include "catalogue/TForm1.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "core/AppState.h"
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

void TForm1::showRenamed(int index, const QString& newName) {
    QListWidgetItem* item = List->item(index);
    if (!item)
        return;
    // The caption changes while the window is still disabled, so the
    // catalogue takes it as a rename and not as an edit in place.
    item->setText(newName);
    setStatusText(1, catalogue::currentItemText(index, newName));
}
