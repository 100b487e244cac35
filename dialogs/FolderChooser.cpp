#include "dialogs/FolderChooser.h"

#include "dialogs/FolderTree.h"
#include "dialogs/NoticeBox.h"
#include "widgets/FormLook.h"

#include <QCloseEvent>
#include <QPushButton>

FolderChooser::FolderChooser(NoticeBox& notices) : notices_(notices) {
    setObjectAndAccessibleName(*this, QStringLiteral("Form8"));
    makeDialogWindow(*this, 370, 375, CloseButton::Shown);
    setWindowTitle(tr("Choose a folder"));

    folderTree = named(new FolderTree(this), QStringLiteral("ShellTreeView1"), tr("Folders"));
    folderTree->setGeometry(8, 7, 353, 322);
    okButton =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(168, 340, 89, 25));
    cancelButton =
        pushButton(this, QStringLiteral("Button2"), tr("Cancel"), QRect(270, 340, 91, 25));
    setDefaultButton =
        pushButton(this, QStringLiteral("Button3"), tr("Set default"), QRect(9, 344, 97, 17));

    setTabOrder(folderTree, cancelButton);
    setTabOrder(cancelButton, okButton);
    setTabOrder(okButton, setDefaultButton);

    connect(okButton, &QPushButton::clicked, this, &FolderChooser::chooseSelectedFolder);
    connect(cancelButton, &QPushButton::clicked, this, &FolderChooser::cancel);
    connect(setDefaultButton, &QPushButton::clicked, this, &FolderChooser::setAsDefault);
    connect(folderTree, &FolderTree::keyReleased, this, &FolderChooser::reloadOnF5);
}

void FolderChooser::open() {
    show();
    raise();
    activateWindow();
    cancelButton->setFocus();
}

void FolderChooser::selectFolder(const QString& folder) {
    folderTree->selectFolder(folder);
}

void FolderChooser::closeDialog() {
    hide();
    emit closed();
}

void FolderChooser::chooseSelectedFolder() {
    emit folderChosen(folderTree->selectedFolder());
    closeDialog();
}

void FolderChooser::cancel() {
    closeDialog();
}

void FolderChooser::setAsDefault() {
    emit defaultFolderChosen(folderTree->selectedFolder());
    notices_.notify(this, tr("Set"));
}

void FolderChooser::reloadOnF5(int key) {
    if (key == Qt::Key_F5)
        folderTree->reload();
}

void FolderChooser::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}
