#pragma once

#include <QWidget>

class FolderTree;
class NoticeBox;
class QPushButton;

// The folder chooser: picks the split job's destination folder from a
// folder tree, and can keep the picked folder as the default destination
// for the next start.
class FolderChooser : public QWidget {
    Q_OBJECT
public:
    explicit FolderChooser(NoticeBox& notices);

    // Shows the chooser with cancel focused.
    void open();

    // Selects `folder` in the folder tree (at start-up, the default folder).
    void selectFolder(const QString& folder);

    FolderTree* folderTree = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* setDefaultButton = nullptr;

    // OK: the selected folder is chosen.
    void chooseSelectedFolder();
    void cancel();
    // Keeps the selected folder as the default destination for the next start.
    void setAsDefault();
    // F5 in the folder tree reads it again.
    void reloadOnF5(int key);

signals:
    void folderChosen(const QString& folder);
    // "デフォルトに設定": the destination to start with at the next start.
    void defaultFolderChosen(const QString& folder);
    // The chooser has closed (OK, cancel or its close button).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void closeDialog();

    NoticeBox& notices_;
};
