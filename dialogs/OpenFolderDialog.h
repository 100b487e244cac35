#pragma once

#include <QStringList>
#include <QWidget>

class FolderTree;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
struct AppState;
struct Windows;

// The open-folder dialog: a folder tree, the picture files of the selected
// folder, and OK that hands the folder to the catalogue's loader. The file
// list is a snapshot read when the selected folder changes; it never
// follows the disk on its own, because the loader addresses its entries by
// position while the catalogue loads.
class OpenFolderDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 9999;

    OpenFolderDialog(AppState& state, Windows& windows);

    // Shows the dialog with the folder tree focused, the tree and the file
    // list read again from the disk.
    void open();
    // Selects `folder` in the folder tree (at start-up, the default folder).
    void selectFolder(const QString& folder);
    // Reads the tree again as F5 does, keeping the selection, and with it
    // the file list (each time the main window opens the dialog).
    void refresh();

    // --- the listed files, entry i in list order ---
    int fileCount() const { return static_cast<int>(files_.size()); }
    QString fileName(int entry) const { return files_.value(entry); }
    const QStringList& fileNames() const { return files_; }
    // The folder the list shows; empty when no folder is selected.
    const QString& listedFolder() const { return folder_; }
    // Full path of entry `entry` of the list.
    QString entryPath(int entry) const;
    // The entry selected in the list, or -1.
    int selectedIndex() const;
    // Selects entry `entry` (only it) and scrolls it into view.
    void setSelectedIndex(int entry);
    // "低速読み": large pictures are first reduced to a quarter.
    bool slowReading() const;

    FolderTree* folderTree = nullptr;
    QTreeWidget* fileList = nullptr;
    QLabel* fileCountLabel = nullptr;
    QPushButton* setDefaultButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QCheckBox* slowReadingBox = nullptr;
    QCheckBox* showHintsBox = nullptr;
    // Below the file list, shown only while the selected folder holds
    // entries whose names cannot be listed (not UTF-8): says how many.
    QLabel* unlistedNamesNote = nullptr;

    // The folder tree's selection has changed: lists its picture files.
    void listFolder(const QString& folder);
    // F5 in the folder tree reads it again.
    void reloadOnF5(int key);
    // The hints of the list, the slow-reading box and set-as-default
    // follow the hint box.
    void showHints();
    // OK: the catalogue loads the listed files.
    void openListedFiles();
    void cancel();
    // Keeps the selected folder as the one to show at the next start.
    void setAsDefault();
    // Shows the selected file in the preview (a double-click in the list;
    // the preview's own keys step through the list with it).
    void openPreviewOfSelected();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillList(const QString& folder);
    void showUnlistedNames(const QString& folder);
    void returnToMainWindow();

    AppState& state_;
    Windows& windows_;
    QString folder_;
    QStringList files_;
};
