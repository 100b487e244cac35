#include "catalogue/CatalogueList.h"

#include <QKeyEvent>
#include <QMouseEvent>

CatalogueList::CatalogueList(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setUniformItemSizes(true);
    setWordWrap(true);
}

void CatalogueList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    emit pressed(event->position().toPoint());
}

void CatalogueList::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    emit keyReleased(event->key(), event->modifiers());
}
