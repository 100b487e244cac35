#pragma once

class QListWidget;

// The catalogue list's "item index": its lowest selected row, or -1 when
// nothing is selected (several rows may be selected at once).
int listItemIndex(const QListWidget& list);

// Leaves `row` the only selected item of the list and its current item.
void selectOnly(QListWidget& list, int row);
