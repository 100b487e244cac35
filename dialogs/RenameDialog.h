#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
struct AppState;
struct Windows;

// The rename dialog: renames the file of the catalogue's current item on
// disk and gives the item its new caption. The main window's rename command
// disables itself and opens the dialog on the current name; OK, cancel, Esc
// and the close button give the main window back.
class RenameDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 256;

    RenameDialog(AppState& state, Windows& windows);

    // Shows the dialog with `currentName` in the name box, focused.
    void open(const QString& currentName);

    QLineEdit* newNameEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // Enter is OK, Esc is cancel; true when the key was one of them.
    bool handleNameKey(int key);
    // OK: renames the file when the new name is allowed and free, or
    // tells why not.
    void renameFile();
    void cancel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutControls();
    // Hides the dialog and gives the main window back.
    void closeDialog();

    AppState& state_;
    Windows& windows_;
};
