#pragma once

#include <QTreeView>

class QFileSystemModel;

// The folder tree of the open-folder dialog and the folder chooser: the
// folders of the file system under one top node, the file system root,
// which has no expand button of its own. The tree reads each folder once,
// when it is first shown; it does not follow later changes on disk until
// reload() (the F5 key of the dialogs) reads it again. At creation the home
// folder is shown expanded and selected.
class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget* parent);

    // Full path of the selected folder as the platform writes it (no
    // trailing separator except for the root itself); empty when nothing is
    // selected.
    QString selectedFolder() const;

    // Selects `folder`, expanding the folders above it and scrolling it into
    // view. False, with the selection unchanged, when it is not an existing
    // folder the tree shows.
    bool selectFolder(const QString& folder);

    // Reads the whole tree again from its root, keeping the expanded
    // folders, the folder shown at the top and the selection as far as they
    // still exist. Always tells folderChanged() once afterwards, so a view
    // of the folder's files is read again too.
    void reload();

signals:
    // The selected folder changed; `folder` is empty when none is selected.
    void folderChanged(const QString& folder);
    // A key was released in the tree (auto-repeats excluded).
    void keyReleased(int key);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void installModel();
    // Tells the selected folder when it differs from the one told last.
    void noteSelection();
    QModelIndex indexOf(const QString& folder) const;
    void expandTo(const QModelIndex& index);
    QStringList expandedFolders() const;

    QFileSystemModel* model_ = nullptr;
    QString notified_;
};
