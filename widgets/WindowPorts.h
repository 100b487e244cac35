#pragma once

#include <QString>

class QImage;
class QWidget;
class MainWindow;
class OpenFolderDialog;
class SplitDialog;
class RenameDialog;
class SettingsDialog;
class NoticeBox;
class TrimmingView;
class FolderChooser;

// Windows reach windows of their own or a lower layer through their classes
// (dialogs below trimming below split below catalogue). A window of a lower
// layer reaches one of a higher layer only through these small ports.

// The main window as the dialogs, the trimming view and the split dialog see it.
class MainWindowPort {
public:
    virtual QWidget& window() = 0;
    // The catalogue's items: item i is file i of the current folder.
    virtual int itemCount() const = 0;
    // Item `index`'s caption (its file name), empty outside the catalogue.
    virtual QString caption(int index) const = 0;
    virtual bool isSelected(int index) const = 0;
    // The lowest selected item, or -1 when nothing is selected.
    virtual int lowestSelectedItem() const = 0;
    // Leaves item `index` the only selected item and the current one.
    virtual void selectOnly(int index) = 0;
    // Makes item `index` the current one and selects it, keeping the other
    // selected items; nothing happens outside the catalogue.
    virtual void reselect(int index) = 0;
    // Number of thumbnails in the catalogue's image list.
    virtual int thumbnailCount() const = 0;
    // Opens or reloads the trimming view on the current item.
    virtual void openTrimmingView() = 0;
    // Empties the catalogue, sizes the thumbnails and starts the loader for
    // `fileCount` files of the open-folder dialog's list.
    virtual void beginLoading(int thumbnailSize, int fileCount) = 0;
    // The file of item `index` now has the name `newName`: the item's
    // caption and the status bar say so.
    virtual void showRenamed(int index, const QString& newName) = 0;

protected:
    ~MainWindowPort() = default;
};

// The trimming view as the dialogs see it.
class TrimmingViewPort {
public:
    virtual QWidget& window() = 0;
    // Closes the view (the picture's double-click).
    virtual void closeView() = 0;
    // Shows `path` as the open-folder dialog's preview titled with `name`.
    // False, with a message for the user, when the picture cannot be read.
    virtual bool showPreview(const QString& path, const QString& name, QString* error) = 0;
    // A folder was opened: the next catalogue showing starts the frame over
    // the whole image.
    virtual void startFrameAnew() = 0;

protected:
    ~TrimmingViewPort() = default;
};

// The split dialog as the notice box and the folder chooser see it.
class SplitDialogPort {
public:
    virtual QWidget& window() = 0;
    // Stops a running batch before its next item.
    virtual void stopBatch() = 0;
    // The destination folder box.
    virtual void setDestination(const QString& folder) = 0;

protected:
    ~SplitDialogPort() = default;
};

// The eight windows, filled by the program in creation order. Concrete
// pointers may only be used where that window's header may be included
// (its own layer or above); the ports serve the layers below.
struct Windows {
    MainWindow* mainWindow = nullptr;
    TrimmingView* trimmingView = nullptr;
    SplitDialog* splitDialog = nullptr;
    RenameDialog* renameDialog = nullptr;
    SettingsDialog* settingsDialog = nullptr;
    NoticeBox* noticeBox = nullptr;
    OpenFolderDialog* openFolderDialog = nullptr;
    FolderChooser* folderChooser = nullptr;

    // The main window, the trimming view and the split dialog again, as
    // the lower layers reach them.
    MainWindowPort* main = nullptr;
    TrimmingViewPort* trimming = nullptr;
    SplitDialogPort* split = nullptr;
};
