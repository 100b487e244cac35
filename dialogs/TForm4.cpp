#include "dialogs/TForm4.h"

#include "app/AppState.h"
#include "app/FormLook.h"
#include "app/Windows.h"

#include <QCloseEvent>

TForm4::TForm4(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form4"), QStringLiteral("リネーム"));
    makeDialogWindow(*this, 314, 88, CloseButton::Shown);
    setWindowTitle(QStringLiteral("リネーム"));
}

void TForm4::closeEvent(QCloseEvent* event) {
    windows_.main->window().setEnabled(true);
    event->accept();
}
