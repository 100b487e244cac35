#pragma once

#include <QWidget>

class FolderTree;
class QPushButton;
struct AppState;
struct Windows;

// The folder chooser: picks the split job's destination folder from a
// folder tree, and can keep the picked folder as the default destination
// for the next start.
class FolderChooser : public QWidget {
    Q_OBJECT
public:
    FolderChooser(AppState& state, Windows& windows);

    // Opens the chooser for `opener` (the split dialog's browse button):
    // disables the opener, shows the chooser and focuses cancel.
    void openFor(QWidget& opener);

    // Selects `folder` in the folder tree (at start-up, the default folder).
    void selectFolder(const QString& folder);

    FolderTree* ShellTreeView1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void ShellTreeView1KeyUp(int key);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void returnToSplitDialog();

    AppState& state_;
    Windows& windows_;
};
