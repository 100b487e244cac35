// The catalogue's items as the lower windows reach them.

#include "catalogue/CatalogueList.h"
#include "catalogue/ListSelection.h"
#include "catalogue/MainWindow.h"

#include <QItemSelectionModel>

int MainWindow::itemCount() const {
    return catalogueList_->count();
}

QString MainWindow::caption(int index) const {
    const QListWidgetItem* item = index >= 0 ? catalogueList_->item(index) : nullptr;
    return item != nullptr ? item->text() : QString();
}

bool MainWindow::isSelected(int index) const {
    const QListWidgetItem* item = index >= 0 ? catalogueList_->item(index) : nullptr;
    return item != nullptr && item->isSelected();
}

int MainWindow::lowestSelectedItem() const {
    return listItemIndex(*catalogueList_);
}

void MainWindow::selectOnly(int index) {
    ::selectOnly(*catalogueList_, index);
}

void MainWindow::reselect(int index) {
    if (index < 0 || index >= catalogueList_->count()) {
        return;
    }
    catalogueList_->selectionModel()->setCurrentIndex(catalogueList_->model()->index(index, 0),
                                                      QItemSelectionModel::Select);
}
