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

    FolderTree* ShellTreeView1 = nullptr;
    QTreeWidget* ShellListView1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    // Below the file list, shown only while the selected folder holds
    // entries whose names cannot be listed (not UTF-8): says how many.
    QLabel* unlistedNamesNote = nullptr;

    void FormCreate();
    void ShellTreeView1Change(const QString& folder);
    void ShellTreeView1KeyUp(int key);
    void CheckBox1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    // The preview of the selected file.
    void ShellListView1DblClick();

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
