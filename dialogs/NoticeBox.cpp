#include "dialogs/NoticeBox.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/WindowPorts.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int kClientWidth = 248;
constexpr int kClientHeight = 148;
// The second line's designed place inside the panel, and the gap between it
// and the message above.
constexpr QRect kSecondLine(8, 56, 217, 17);
constexpr int kLineGap = 3;
}  // namespace

NoticeBox::NoticeBox(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    // The box has no title; screen readers announce it by what it is.
    setAccessibleNames(*this, QStringLiteral("Form6"), QStringLiteral("お知らせ"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Hidden);
    setWindowTitle(QString());

    Panel1 = named(new QLabel(this), QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setAlignment(Qt::AlignCenter);

    Label1 = named(new QLabel(Panel1), QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    // Callers also set the second line directly while the box is shown; a
    // label's new text asks its parent to lay it out again.
    Panel1->installEventFilter(this);

    Button1 = named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &NoticeBox::Button1Click);
    layoutControls();
}

void NoticeBox::layoutControls() {
    // The panel stretches with the window; the button keeps its place
    // relative to the window's centre.
    Panel1->setGeometry(8, 8, width() - (kClientWidth - 233), 89);
    Button1->setGeometry(width() / 2 - (kClientWidth / 2 - 88), 112, 75, 25);
    fitSecondLine();
}

void NoticeBox::fitSecondLine() {
    // A second line that fits keeps its designed place. A longer one wraps
    // and grows upwards until it ends inside the panel's bevel; the message
    // then moves up with it, keeping the gap between them.
    const bool oneLine =
        Label1->fontMetrics().horizontalAdvance(Label1->text()) <= kSecondLine.width();
    const int lineHeight = oneLine ? std::max(kSecondLine.height(), textBoxHeight(*Label1))
                                   : Label1->heightForWidth(kSecondLine.width());
    const int insideBottom = Panel1->height() - Panel1->frameWidth();
    const int top = std::max(0, std::min(kSecondLine.top(), insideBottom - lineHeight));
    Label1->setGeometry(kSecondLine.left(), top, kSecondLine.width(), lineHeight);
    if (top == kSecondLine.top()) {
        Panel1->setAlignment(Qt::AlignCenter);
        Panel1->setIndent(-1);
        return;
    }
    const int messageTop = top - kLineGap - Panel1->fontMetrics().height();
    Panel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel1->setIndent(std::max(0, messageTop - Panel1->frameWidth()));
}

bool NoticeBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::LayoutRequest)
        fitSecondLine();
    return QWidget::eventFilter(watched, event);
}

void NoticeBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void NoticeBox::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void NoticeBox::setOuterWidth(int width) {
    const int frame = frameGeometry().width() - this->width();
    setFixedSize(std::max(1, width - frame), height());
}

void NoticeBox::notify(int returnTo, QWidget* caller, const QString& message,
                       const std::optional<QString>& secondLine) {
    state_.ReturnTo = returnTo;
    Panel1->setText(message);
    if (secondLine)
        Label1->setText(*secondLine);
    fitSecondLine();
    if (caller)
        caller->setEnabled(false);
    show();
    raise();
    activateWindow();
    Button1->setFocus();
}

void NoticeBox::Button1Click() {
    hide();
    const int code = state_.ReturnTo;
    if (code == 1) {
        windows_.main->window().setEnabled(true);
        if (windows_.trimming->window().isVisible())
            windows_.trimming->closeView();
    }
    if (code == 2) {
        windows_.openFolderDialog->setEnabled(true);
        if (windows_.trimming->window().isVisible())
            windows_.trimming->closeView();
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
        windows_.renameDialog->setEnabled(true);
    if (code == 5)
        windows_.settingsDialog->setEnabled(true);
    if (code == 8)
        windows_.folderChooser->setEnabled(true);
    if (code == kEndsProgram)
        windows_.main->window().close();
    Label1->clear();
}
