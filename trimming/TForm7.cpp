#include "trimming/TForm7.h"

#include "app/AppState.h"
#include "app/FormLook.h"

#include <QCloseEvent>

TForm7::TForm7(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form7"), QStringLiteral("Form7"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    applyFormFont(*this);
    resize(1010, 552);
}

void TForm7::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TForm7::Image1DblClick() {
    hide();
    if (state_.ReturnTo == 1)
        windows_.main->window().setEnabled(true);
}

bool TForm7::showPreview(const QString&, const QString&, QString*) {
    return false;
}
