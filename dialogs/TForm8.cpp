#include "dialogs/TForm8.h"

#include "app/AppState.h"
#include "app/FormLook.h"
#include "app/Windows.h"

#include <QCloseEvent>

TForm8::TForm8(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form8"), QStringLiteral("フォルダ選択"));
    makeDialogWindow(*this, 370, 375, CloseButton::Shown);
    setWindowTitle(QStringLiteral("フォルダ選択"));
}

void TForm8::closeEvent(QCloseEvent* event) {
    windows_.split->window().setEnabled(true);
    event->accept();
}

void TForm8::selectFolder(const QString&) {}
