#include "dialogs/TForm2.h"

#include "app/AppState.h"
#include "app/FormLook.h"
#include "app/Windows.h"

#include <QCloseEvent>

TForm2::TForm2(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form2"), QStringLiteral("開く"));
    makeDialogWindow(*this, 680, 428, CloseButton::Shown);
    setWindowTitle(QStringLiteral("開く"));
}

void TForm2::closeEvent(QCloseEvent* event) {
    windows_.main->window().setEnabled(true);
    event->accept();
}

void TForm2::selectFolder(const QString&) {}
