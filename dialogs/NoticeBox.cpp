#include "dialogs/NoticeBox.h"

#include "widgets/FormLook.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {
constexpr int kClientWidth = 248;
constexpr int kClientHeight = 148;
// The second line's designed place inside the panel, and the gap between it
// and the message above.
constexpr QRect kSecondLine(8, 56, 217, 17);
constexpr int kLineGap = 3;
}  // namespace

NoticeBox::NoticeBox() {
    // The box has no title; screen readers announce it by what it is.
    setObjectAndAccessibleName(*this, QStringLiteral("Form6"), tr("Notice"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Hidden);
    setWindowTitle(QString());

    messageLabel = named(new QLabel(this), QStringLiteral("Panel1"));
    messageLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    messageLabel->setLineWidth(2);
    messageLabel->setAlignment(Qt::AlignCenter);

    secondLineLabel = named(new QLabel(messageLabel), QStringLiteral("Label1"));
    secondLineLabel->setAlignment(Qt::AlignCenter);
    secondLineLabel->setWordWrap(true);
    // The batch changes the second line while the box is shown; a label's
    // new text asks its parent to lay it out again.
    messageLabel->installEventFilter(this);

    okButton = named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Button1"));
    connect(okButton, &QPushButton::clicked, this, &NoticeBox::acknowledge);
    layoutControls();
}

void NoticeBox::layoutControls() {
    // The panel stretches with the window; the button keeps its place
    // relative to the window's centre.
    messageLabel->setGeometry(8, 8, width() - (kClientWidth - 233), 89);
    okButton->setGeometry(width() / 2 - (kClientWidth / 2 - 88), 112, 75, 25);
    fitSecondLine();
}

void NoticeBox::fitSecondLine() {
    // A second line that fits keeps its designed place. A longer one wraps
    // and grows upwards until it ends inside the panel's bevel; the message
    // then moves up with it, keeping the gap between them.
    const bool oneLine = secondLineLabel->fontMetrics().horizontalAdvance(
                             secondLineLabel->text()) <= kSecondLine.width();
    const int lineHeight = oneLine ? std::max(kSecondLine.height(), textBoxHeight(*secondLineLabel))
                                   : secondLineLabel->heightForWidth(kSecondLine.width());
    const int insideBottom = messageLabel->height() - messageLabel->frameWidth();
    const int top = std::max(0, std::min(kSecondLine.top(), insideBottom - lineHeight));
    secondLineLabel->setGeometry(kSecondLine.left(), top, kSecondLine.width(), lineHeight);
    if (top == kSecondLine.top()) {
        messageLabel->setAlignment(Qt::AlignCenter);
        messageLabel->setIndent(-1);
        return;
    }
    const int messageTop = top - kLineGap - messageLabel->fontMetrics().height();
    messageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    messageLabel->setIndent(std::max(0, messageTop - messageLabel->frameWidth()));
}

bool NoticeBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == messageLabel && event->type() == QEvent::LayoutRequest)
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

void NoticeBox::notify(QWidget* opener, const QString& message,
                       const std::optional<QString>& secondLine, std::function<void()> afterOk) {
    opener_ = opener;
    afterOk_ = std::move(afterOk);
    messageLabel->setText(message);
    if (secondLine)
        secondLineLabel->setText(*secondLine);
    fitSecondLine();
    if (opener)
        opener->setEnabled(false);
    showWithFocus();
}

void NoticeBox::showWithFocus() {
    show();
    raise();
    activateWindow();
    okButton->setFocus();
}

void NoticeBox::showBatchProgress(const QString& line, std::function<void()> afterOk) {
    okButton->setText(tr("Cancel"));
    notify(nullptr, tr("Working"), line, std::move(afterOk));
    batchShown_ = true;
}

void NoticeBox::updateBatchProgress(const QString& line) {
    secondLineLabel->setText(line);
}

void NoticeBox::showBatchEnd(const QString& message, const QString& secondLine,
                             const QString& details) {
    messageLabel->setText(message);
    secondLineLabel->setText(secondLine);
    secondLineLabel->setToolTip(details);
    secondLineLabel->setAccessibleDescription(details);
    okButton->setText(QStringLiteral("OK"));
    leftBeforeBatchEnd_ = windowLeft(*this);
    placeWindow(*this, windowLeft(*this) - windowOuterWidth(*this), windowTop(*this));
    setOuterWidth(kBatchEndWidth);
    okButton->setFocus();
}

void NoticeBox::restoreBatchEndPlace() {
    // A cancelled batch never widened the box: it stays where it stands.
    if (!leftBeforeBatchEnd_)
        return;
    setOuterWidth(kNormalWidth);
    placeWindow(*this, *leftBeforeBatchEnd_, windowTop(*this));
    leftBeforeBatchEnd_.reset();
}

void NoticeBox::acknowledge() {
    hide();
    secondLineLabel->setToolTip({});
    secondLineLabel->setAccessibleDescription({});
    if (batchShown_) {
        batchShown_ = false;
        okButton->setText(QStringLiteral("OK"));
        restoreBatchEndPlace();
    }
    secondLineLabel->clear();
    // Taken first: the follow-up may show the next notice.
    const QPointer<QWidget> opener = std::exchange(opener_, nullptr);
    const std::function<void()> afterOk = std::exchange(afterOk_, nullptr);
    if (opener)
        opener->setEnabled(true);
    if (afterOk)
        afterOk();
    emit acknowledged();
}
