#pragma once

#include <QWidget>

class NoticeBox;
class QLineEdit;
class QPushButton;
namespace model {
class CatalogueModel;
}

// The rename dialog: renames the file of the catalogue's current item on
// disk and in the catalogue. It is opened over the main window on the
// current item's name; OK, cancel, Esc and the close button close it.
class RenameDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 256;

    RenameDialog(model::CatalogueModel& catalogue, NoticeBox& notices);

    // Shows the dialog with the current item's name in the name box, focused.
    void open();

    QLineEdit* newNameEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // Enter is OK, Esc is cancel; true when the key was one of them.
    bool handleNameKey(int key);
    // OK: renames the file when the new name is allowed and free, or
    // tells why not.
    void renameFile();
    void cancel();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutControls();
    void closeDialog();

    model::CatalogueModel& catalogue_;
    NoticeBox& notices_;
};
