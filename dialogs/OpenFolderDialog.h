#pragma once

#include "model/ListedPictures.h"

#include <QStringList>
#include <QWidget>

class FolderTree;
class NoticeBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// The open-folder dialog: a folder tree, the picture files of the selected
// folder, and OK that hands the folder to the catalogue's loader. The file
// list is a snapshot read when the selected folder changes (see
// model::ListedPictures); it never follows the disk on its own, because the
// loader addresses its entries by position while the catalogue loads.
class OpenFolderDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 9999;
    // The notice for a folder of more files than that.
    static QString tooManyFilesText();

    explicit OpenFolderDialog(NoticeBox& notices);

    // Shows the dialog with the folder tree focused, the tree and the file
    // list read again from the disk.
    void open();
    // Selects `folder` in the folder tree (at start-up, the default folder).
    void selectFolder(const QString& folder);
    // Reads the tree again as F5 does, keeping the selection, and with it
    // the file list (each time the main window opens the dialog).
    void refresh();

    // --- the listed files, entry i in list order ---
    // What the list shows; the preview steps through it.
    model::ListedPictures& listing() { return listing_; }
    int fileCount() const { return listing_.count(); }
    QString fileName(int entry) const { return listing_.fileName(entry); }
    const QStringList& fileNames() const { return listing_.fileNames(); }
    // The folder the list shows; empty when no folder is selected.
    QString listedFolder() const { return listing_.folder(); }
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
    // A double-click in the list: the selected file is to be previewed
    // (the preview's own keys step through the listing with it).
    void openPreviewOfSelected();

signals:
    // OK: the catalogue is to load the first `fileCount` listed files of
    // `folder` (the dialog has closed).
    void folderChosen(const QString& folder, const QStringList& fileNames, bool slowReading);
    // "デフォルトに設定": the folder to open at the next start.
    void defaultFolderChosen(const QString& folder);
    // The listing's selected file is to be shown in the preview.
    void previewRequested();
    // The dialog has closed (OK, cancel or its close button).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillList(const QString& folder);
    void showUnlistedNames(const QString& folder);
    void closeDialog();

    NoticeBox& notices_;
    model::ListedPictures listing_;
};
