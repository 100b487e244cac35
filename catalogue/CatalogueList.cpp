#include "catalogue/CatalogueList.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

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
    // A plain press on one of several selected items makes it the only
    // selected one at once, as icon lists do; the list has no dragging that
    // would need the selection kept. Such a press does not start an edit.
    reducingPress_ = false;
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
        QListWidgetItem* hit = itemAt(event->position().toPoint());
        if (hit && hit->isSelected() && selectedItems().size() > 1) {
            reducingPress_ = true;
            setCurrentItem(hit, QItemSelectionModel::ClearAndSelect);
        }
    }
    QListWidget::mousePressEvent(event);
    emit pressed(event->position().toPoint());
}

bool CatalogueList::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (trigger == SelectedClicked && reducingPress_)
        return false;
    return QListWidget::edit(index, trigger, event);
}

namespace {
bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

void CatalogueList::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event->key()) && !event->isAutoRepeat())
        enterPressed_ = true;
    QListWidget::keyPressEvent(event);
}

void CatalogueList::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    emit keyReleased(event->key(), event->modifiers());
    if (isEnter(event->key()) && std::exchange(enterPressed_, false))
        emit enterReleased();
}
