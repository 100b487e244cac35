#include "catalogue/ListSelection.h"

#include <QItemSelectionModel>
#include <QListWidget>

int listItemIndex(const QListWidget& list) {
    const QItemSelectionModel* selection = list.selectionModel();
    if (selection == nullptr) {
        return -1;
    }
    int lowest = -1;
    for (const QModelIndex& index : selection->selectedIndexes()) {
        if (lowest < 0 || index.row() < lowest) {
            lowest = index.row();
        }
    }
    return lowest;
}

void selectOnly(QListWidget& list, int row) {
    list.clearSelection();
    list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}
