#pragma once

#include <QListWidget>

// The catalogue's list: large icons, several items selectable, captions
// editable in place. It reports mouse presses and key releases after it
// has applied them to its own selection.
class CatalogueList : public QListWidget {
    Q_OBJECT
public:
    explicit CatalogueList(QWidget* parent);

signals:
    void pressed(QPoint position);
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);
    // Enter was pressed and released in the list itself (not in a window
    // that closed on its press and left the release to the list).
    void enterReleased();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    bool reducingPress_ = false;
    bool enterPressed_ = false;
};
