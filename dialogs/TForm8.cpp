#include "dialogs/TForm8.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/WindowPorts.h"
#include "dialogs/FolderTree.h"
#include "dialogs/TForm6.h"

#include <QCloseEvent>
#include <QPushButton>

TForm8::TForm8(AppState& state, Windows& windows) : state_(state), windows_(windows) {
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

    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
    connect(ShellTreeView1, &FolderTree::keyReleased, this, &TForm8::ShellTreeView1KeyUp);
}

void TForm8::openFor(QWidget& opener) {
    opener.setEnabled(false);
    show();
    raise();
    activateWindow();
    Button2->setFocus();
}

void TForm8::selectFolder(const QString& folder) {
    ShellTreeView1->selectFolder(folder);
}

void TForm8::returnToSplitDialog() {
    hide();
    windows_.split->window().setEnabled(true);
}

void TForm8::Button1Click() {
    windows_.split->setDestination(ShellTreeView1->selectedFolder());
    returnToSplitDialog();
}

void TForm8::Button2Click() {
    returnToSplitDialog();
}

void TForm8::Button3Click() {
    state_.DefaultSaveFolder = ShellTreeView1->selectedFolder();
    windows_.Form6->notify(8, this, QStringLiteral("設定しました"));
}

void TForm8::ShellTreeView1KeyUp(int key) {
    if (key == Qt::Key_F5)
        ShellTreeView1->reload();
}

void TForm8::closeEvent(QCloseEvent* event) {
    windows_.split->window().setEnabled(true);
    event->accept();
}
