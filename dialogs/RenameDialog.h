#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
struct AppState;
struct Windows;

// The rename dialog: renames the file of the catalogue's current item on
// disk and gives the item its new caption. The main window's rename command
// fills Memo1 with the current name, disables itself and shows the dialog;
// OK, cancel, Esc and the close button give the main window back.
class RenameDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 256;

    RenameDialog(AppState& state, Windows& windows);

    QLineEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    // Enter is OK, Esc is cancel; true when the key was one of them.
    bool Memo1KeyDown(int key);
    void Button1Click();
    void Button2Click();

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
