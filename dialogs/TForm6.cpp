#include "dialogs/TForm6.h"

#include "app/AppState.h"
#include "app/FormLook.h"
#include "app/Windows.h"
#include "dialogs/TForm2.h"
#include "dialogs/TForm4.h"
#include "dialogs/TForm5.h"
#include "dialogs/TForm8.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int kClientWidth = 248;
constexpr int kClientHeight = 148;
}  // namespace

TForm6::TForm6(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    // The box has no title; screen readers announce it by what it is.
    setAccessibleNames(*this, QStringLiteral("Form6"), QStringLiteral("お知らせ"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Hidden);
    setWindowTitle(QString());

    Panel1 = named(new QLabel(this), QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setAlignment(Qt::AlignCenter);

    Label1 = named(new QLabel(Panel1), QStringLiteral("Label1"));
    Label1->setGeometry(8, 56, 217, 17);
    Label1->setAlignment(Qt::AlignCenter);

    Button1 = named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    layoutControls();
}

void TForm6::layoutControls() {
    // The panel stretches with the window; the button keeps its place
    // relative to the window's centre.
    Panel1->setGeometry(8, 8, width() - (kClientWidth - 233), 89);
    Button1->setGeometry(width() / 2 - (kClientWidth / 2 - 88), 112, 75, 25);
}

void TForm6::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void TForm6::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TForm6::setOuterWidth(int width) {
    const int frame = frameGeometry().width() - this->width();
    setFixedSize(std::max(1, width - frame), height());
}

void TForm6::notify(int returnTo, QWidget* caller, const QString& message,
                    const std::optional<QString>& secondLine) {
    state_.ReturnTo = returnTo;
    Panel1->setText(message);
    if (secondLine)
        Label1->setText(*secondLine);
    if (caller)
        caller->setEnabled(false);
    show();
    raise();
    activateWindow();
    Button1->setFocus();
}

void TForm6::Button1Click() {
    hide();
    const int code = state_.ReturnTo;
    if (code == 1) {
        windows_.main->window().setEnabled(true);
        if (windows_.trimming->window().isVisible())
            windows_.trimming->Image1DblClick();
    }
    if (code == 2) {
        windows_.Form2->setEnabled(true);
        if (windows_.trimming->window().isVisible())
            windows_.trimming->Image1DblClick();
    }
    if (code == 3) {
        windows_.main->window().setEnabled(true);
        Button1->setText(QStringLiteral("OK"));
        // Only a box the batch end widened goes back to where it was; a
        // cancelled batch leaves it where it stands.
        if (windowOuterWidth(*this) == kBatchEndWidth) {
            setOuterWidth(kNormalWidth);
            placeWindow(*this, state_.NoticeLeft, windowTop(*this));
        }
        windows_.split->stopBatch();
    }
    if (code == 4)
        windows_.Form4->setEnabled(true);
    if (code == 5)
        windows_.Form5->setEnabled(true);
    if (code == 8)
        windows_.Form8->setEnabled(true);
    Label1->clear();
}
