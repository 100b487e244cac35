// Creation, showing and closing of the trimming view.
#include "trimming/TrimmingView.h"

#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"
#include "model/PictureSequence.h"
#include "trimming/FrameKeys.h"
#include "trimming/FrameMapping.h"
#include "trimming/ViewFit.h"
#include "trimming/ViewPicture.h"
#include "trimming/ViewRenderer.h"
#include "widgets/FormLook.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kDesignedClientWidth = 1010;
constexpr int kDesignedClientHeight = 552;
constexpr int kStatusBarHeight = 19;
constexpr int kPanelWidth = 200;
constexpr int kPanelHeight = 60;

QRect screenGeometry(const QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        screen = window.screen();
    }
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

TrimmingView::TrimmingView() {
    frame_.FrameStep = trimming::kInitialFrameStep;
    setObjectAndAccessibleName(*this, QStringLiteral("Form7"));
    // A title bar without a close button: double-clicking the picture closes.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    applyFormFont(*this);
    setFocusPolicy(Qt::StrongFocus);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, Qt::gray);
    setPalette(grey);
    setAutoFillBackground(true);
    resize(kDesignedClientWidth, kDesignedClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The hint panels are wider than a small screen: they are cut at
    // the right rather than widening the window past the screen.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    pictureArea = named(new ViewPicture(this), QStringLiteral("Image1"), tr("Picture"));
    layout->addWidget(pictureArea, 1);
    buildStatusBar();
    layout->addWidget(statusBar);

    messagePanel = named(new QLabel(this), QStringLiteral("Panel1"));
    messagePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    messagePanel->setLineWidth(2);
    messagePanel->setAlignment(Qt::AlignCenter);
    messagePanel->setWordWrap(true);
    messagePanel->setAutoFillBackground(true);
    messagePanel->resize(kPanelWidth, kPanelHeight);
    messagePanel->hide();

    findingsPanel = named(new QLabel(this), QStringLiteral("FindingsPanel"));
    findingsPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    findingsPanel->setWordWrap(true);
    findingsPanel->setAutoFillBackground(true);
    findingsPanel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    findingsPanel->hide();

    sequenceTimer = new QTimer(this);
    sequenceTimer->setObjectName(QStringLiteral("Timer1"));
    connect(sequenceTimer, &QTimer::timeout, this, &TrimmingView::advanceSequence);

    resizeFollower_ = new QTimer(this);
    resizeFollower_->setSingleShot(true);
    resizeFollower_->setInterval(0);
    connect(resizeFollower_, &QTimer::timeout, this, &TrimmingView::followResize);
    connect(pictureArea, &ViewPicture::resized, resizeFollower_, qOverload<>(&QTimer::start));
    connect(pictureArea, &ViewPicture::doubleClicked, this, &TrimmingView::closeView);

    placeMessagePanel();
    showStepAndSwitches();
}

void TrimmingView::buildStatusBar() {
    statusBar = named(new QStatusBar(this), QStringLiteral("StatusBar1"), tr("Status bar"));
    statusBar->setSizeGripEnabled(false);
    stepPanel = addStatusPanel(0);
    showNextPanel = addStatusPanel(1);
    namingPanel = addStatusPanel(2);
    for (std::size_t hint = 0; hint < keyHintPanels.size(); ++hint) {
        keyHintPanels[hint] = addStatusPanel(static_cast<int>(hint) + 3);
    }
    // The designed height, or taller where the font's lines need it.
    statusBar->setFixedHeight(std::max(kStatusBarHeight, statusBar->sizeHint().height()));
}

QLabel* TrimmingView::addStatusPanel(int panel) {
    const trimming::StatusPanel& design = trimming::kStatusPanels.at(panel);
    auto* label = named(new QLabel(trimming::statusPanelText(panel), statusBar),
                        QStringLiteral("StatusPanel%1").arg(panel));
    // At least the designed width; wider where the font needs it, so the
    // hints never run into each other.
    label->setMinimumWidth(design.width);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumHeight(textBoxHeight(*label));
    statusBar->addWidget(label);
    return label;
}

void TrimmingView::placeMessagePanel() {
    messagePanel->move(windowOuterWidth(*this) / 2 - kPanelWidth / 2,
                       windowOuterHeight(*this) / 2 - kPanelHeight / 2);
}

void TrimmingView::showFindings(const QString& path, const QString& text) {
    if (mode_ != Mode::Item || path != shownPath_ || !findingsPanel->isVisible()) {
        return;
    }
    findingsPanel->setText(text);
    placeFindingsPanel();
}

void TrimmingView::placeFindingsPanel() {
    constexpr int kInset = 8;
    const int width = std::max(0, pictureArea->width() - 2 * kInset);
    findingsPanel->setGeometry(kInset, kInset, width, findingsPanel->heightForWidth(width));
    findingsPanel->raise();
}

QList<QLabel*> TrimmingView::statusPanels() const {
    QList<QLabel*> panels{stepPanel, showNextPanel, namingPanel};
    panels.append(QList<QLabel*>(keyHintPanels.begin(), keyHintPanels.end()));
    return panels;
}

void TrimmingView::showStepAndSwitches() {
    stepPanel->setText(trimming::stepPanelText(frame_.FrameStep));
    showNextPanel->setText(trimming::showNextPanelText(showNext_));
    namingPanel->setText(trimming::namingPanelText(naming_));
}

void TrimmingView::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TrimmingView::hideEvent(QHideEvent* event) {
    pressedKeys_.clear();
    QWidget::hideEvent(event);
}

void TrimmingView::showOnScreen(bool fromOrigin) {
    // The view opens maximised; these bounds only count where it is not.
    if (!isMaximized()) {
        if (fromOrigin) {
            placeWindow(*this, 0, 0);
        }
        const QRect screen = screenGeometry(*this);
        resizeOuter(*this, screen.width(), screen.height() - 3);
    }
    if (!isVisible() || !isMaximized()) {
        showMaximized();
    }
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    // The picture area's size is read right after this.
    layout()->activate();
}

trimming::ViewFit TrimmingView::renderPicture(const QImage& picture) {
    layout()->activate();
    const QSize area = pictureArea->size();
    const trimming::ViewFit fit =
        trimming::fitImage(picture.width(), picture.height(), area.width(), area.height());
    pictureArea->setPicture(trimming::renderView(picture, area.width(), area.height(), fit));
    return fit;
}

core::Status TrimmingView::showItems(model::PictureSequence& items) {
    pictures_ = &items;
    return showCurrent(Mode::Item);
}

core::Status TrimmingView::showPreview(model::PictureSequence& files) {
    pictures_ = &files;
    return showCurrent(Mode::Preview);
}

core::Status TrimmingView::showCurrent(Mode mode) {
    const model::PictureSequence& pictures = *pictures_;
    const QString path = pictures.path(pictures.current());
    // An open view keeps its previous picture until it is closed.
    if (!QFileInfo(path).isFile()) {
        return imaging::errors::fileMissing();
    }
    const auto picture = imaging::loadPicture(path);
    if (!picture) {
        return picture.error();
    }
    shownPath_ = path;
    shownName_ = pictures.fileName(pictures.current());
    // Findings belong to the picture they were asked for.
    findingsPanel->hide();
    if (mode == Mode::Preview) {
        statusBar->hide();
        showOnScreen(false);
        trimming::recordPreviewFit(frame_, renderPicture(picture.value()));
        // A preview counts as a showing: the frame the catalogue had is kept.
        startFrameAnew_ = false;
        mode_ = Mode::Preview;
        setWindowTitle(trimming::previewTitle(shownName_, picture->width(), picture->height()));
        return core::success();
    }
    statusBar->show();
    showOnScreen(true);
    const trimming::ViewFit fit = renderPicture(picture.value());
    trimming::showImage(frame_, picture->width(), picture->height(), fit, startFrameAnew_);
    startFrameAnew_ = false;
    mode_ = Mode::Item;
    drawFrame();
    refreshTitle();
    return core::success();
}

void TrimmingView::followResize() {
    if (mode_ == Mode::Hidden || !isVisible() ||
        pictureArea->picture().size() == pictureArea->size()) {
        return;
    }
    const auto picture = imaging::loadPicture(shownPath_);
    if (!picture) {
        // The file went away meanwhile: the picture stays as it was drawn.
        return;
    }
    if (mode_ == Mode::Preview) {
        trimming::recordPreviewFit(frame_, renderPicture(picture.value()));
        return;
    }
    const bool frameShown = pictureArea->outlineShown();
    const trimming::ViewFit fit = renderPicture(picture.value());
    trimming::showImage(frame_, picture->width(), picture->height(), fit, false);
    if (frameShown) {
        drawFrame();
    }
}

void TrimmingView::drawFrame() {
    const FrameFields& frame = frame_;
    pictureArea->toggleOutline(
        {frame.ViewFrameLeft, frame.ViewFrameTop, frame.ViewFrameWidth, frame.ViewFrameHeight});
}

void TrimmingView::eraseFrame() {
    const FrameFields& frame = frame_;
    const ViewPicture::Outline outline{frame.ViewFrameLeft, frame.ViewFrameTop,
                                       frame.ViewFrameWidth, frame.ViewFrameHeight};
    if (pictureArea->outlines().contains(outline)) {
        pictureArea->toggleOutline(outline);
    }
}

void TrimmingView::refreshTitle() {
    setWindowTitle(trimming::trimmingTitle(shownName_, frame_));
}

void TrimmingView::closeView() {
    // A request whose file is not written yet is dropped with the view; one
    // that has written it runs on to its end (without showing a next image).
    if (sequence_.running()) {
        sequence_.closeView();
        if (!sequence_.running()) {
            showSequence();
        }
    }
    pictureArea->clearPicture();
    findingsPanel->hide();
    mode_ = Mode::Hidden;
    hide();
    statusBar->show();
    emit closed();
}

void TrimmingView::startFrameAnew() {
    startFrameAnew_ = true;
    // Nothing is shown since: the (hidden) view has no title.
    setWindowTitle(QString());
}
