#include "dialogs/FolderTree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMouseEvent>

#include <functional>

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setIndentation(19);
    // The one top node (the root) has no expand button; it is always open.
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    installModel();
    const QModelIndex home = indexOf(QDir::homePath());
    if (home.isValid()) {
        selectFolder(QDir::homePath());
        expand(home);
    }
}

void FolderTree::installModel() {
    QAbstractItemModel* const oldModel = model();
    QItemSelectionModel* const oldSelection = selectionModel();

    model_ = new QFileSystemModel(this);
    // Read on demand, never watched: the tree changes only by reload().
    model_->setOption(QFileSystemModel::DontWatchForChanges);
    model_->setReadOnly(true);
    model_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model_->setRootPath(QDir::rootPath());
    setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        hideColumn(column);

    // setModel() leaves the previous selection model to its owner, the view.
    if (oldSelection != nullptr)
        oldSelection->deleteLater();
    if (oldModel != nullptr)
        oldModel->deleteLater();

    expand(model_->index(QDir::rootPath()));
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderTree::noteSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FolderTree::noteSelection);
}

void FolderTree::noteSelection() {
    const QString folder = selectedFolder();
    if (folder == notified_)
        return;
    notified_ = folder;
    emit folderChanged(folder);
}

QString FolderTree::selectedFolder() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current))
        return {};
    return QDir::toNativeSeparators(model_->filePath(current));
}

QModelIndex FolderTree::indexOf(const QString& folder) const {
    if (folder.isEmpty())
        return {};
    const QFileInfo info(folder);
    if (!info.isDir())
        return {};
    // Folders the tree does not show (hidden ones) give an invalid index.
    return model_->index(info.absoluteFilePath());
}

void FolderTree::expandTo(const QModelIndex& index) {
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) {
        expand(above);
    }
}

bool FolderTree::selectFolder(const QString& folder) {
    const QModelIndex index = indexOf(folder);
    if (!index.isValid())
        return false;
    expandTo(index);
    setCurrentIndex(index);
    scrollTo(index);
    return true;
}

QStringList FolderTree::expandedFolders() const {
    QStringList folders;
    const std::function<void(const QModelIndex&)> visit = [&](const QModelIndex& parent) {
        for (int row = 0; row < model_->rowCount(parent); ++row) {
            const QModelIndex child = model_->index(row, 0, parent);
            if (!isExpanded(child))
                continue;
            folders.push_back(model_->filePath(child));
            visit(child);
        }
    };
    visit(QModelIndex());
    return folders;
}

void FolderTree::reload() {
    const QString selected = selectedFolder();
    const QStringList expanded = expandedFolders();
    const QModelIndex top = indexAt(QPoint(0, 0));
    const QString topFolder = top.isValid() ? model_->filePath(top) : QString();

    {
        const QSignalBlocker quiet(this);
        installModel();
        for (const QString& folder : expanded) {
            const QModelIndex index = indexOf(folder);
            if (index.isValid())
                expand(index);
        }
        if (!selected.isEmpty())
            selectFolder(selected);
        const QModelIndex newTop = indexOf(topFolder);
        if (newTop.isValid())
            scrollTo(newTop, QAbstractItemView::PositionAtTop);
    }
    notified_ = selectedFolder();
    emit folderChanged(notified_);
}

void FolderTree::keyReleaseEvent(QKeyEvent* event) {
    QTreeView::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyReleased(event->key());
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
    // A right click selects the folder under the pointer, as a left click does.
    if (event->button() == Qt::RightButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid())
            setCurrentIndex(index);
    }
    QTreeView::mousePressEvent(event);
}
