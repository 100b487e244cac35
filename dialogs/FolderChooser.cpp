#include "dialogs/FolderChooser.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/WindowPorts.h"
#include "dialogs/FolderTree.h"
#include "dialogs/NoticeBox.h"

#include <QCloseEvent>
#include <QPushButton>

FolderChooser::FolderChooser(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form8"));
    makeDialogWindow(*this, 370, 375, CloseButton::Shown);
    setWindowTitle(QStringLiteral("フォルダ選択"));

    ShellTreeView1 =
        named(new FolderTree(this), QStringLiteral("ShellTreeView1"), QStringLiteral("フォルダ"));
    ShellTreeView1->setGeometry(8, 7, 353, 322);
    Button1 =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(168, 340, 89, 25));
    Button2 = pushButton(this, QStringLiteral("Button2"), QStringLiteral("キャンセル"),
                         QRect(270, 340, 91, 25));
    Button3 = pushButton(this, QStringLiteral("Button3"), QStringLiteral("デフォルトに設定"),
                         QRect(9, 344, 97, 17));

    setTabOrder(ShellTreeView1, Button2);
    setTabOrder(Button2, Button1);
    setTabOrder(Button1, Button3);

    connect(Button1, &QPushButton::clicked, this, &FolderChooser::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &FolderChooser::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &FolderChooser::Button3Click);
    connect(ShellTreeView1, &FolderTree::keyReleased, this, &FolderChooser::ShellTreeView1KeyUp);
}

void FolderChooser::openFor(QWidget& opener) {
    opener.setEnabled(false);
    show();
    raise();
    activateWindow();
    Button2->setFocus();
}

void FolderChooser::selectFolder(const QString& folder) {
    ShellTreeView1->selectFolder(folder);
}

void FolderChooser::returnToSplitDialog() {
    hide();
    windows_.split->window().setEnabled(true);
}

void FolderChooser::Button1Click() {
    windows_.split->setDestination(ShellTreeView1->selectedFolder());
    returnToSplitDialog();
}

void FolderChooser::Button2Click() {
    returnToSplitDialog();
}

void FolderChooser::Button3Click() {
    state_.DefaultSaveFolder = ShellTreeView1->selectedFolder();
    windows_.noticeBox->notify(NoticeBox::ReturnTo::FolderChooser, this,
                               QStringLiteral("設定しました"));
}

void FolderChooser::ShellTreeView1KeyUp(int key) {
    if (key == Qt::Key_F5)
        ShellTreeView1->reload();
}

void FolderChooser::closeEvent(QCloseEvent* event) {
    windows_.split->window().setEnabled(true);
    event->accept();
}
