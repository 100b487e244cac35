// Creation, showing and closing of the trimming view.
#include "trimming/TrimmingView.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "dialogs/OpenFolderDialog.h"
#include "imaging/PictureIo.h"
#include "trimming/FrameMapping.h"
#include "trimming/TrimRequest.h"
#include "trimming/ViewFit.h"
#include "trimming/ViewPicture.h"
#include "trimming/ViewRenderer.h"

#include <QCloseEvent>
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

TrimmingView::TrimmingView(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form7"));
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
    // The twelve hint panels are wider than a small screen: they are cut at
    // the right rather than widening the window past the screen.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    Image1 = named(new ViewPicture(this), QStringLiteral("Image1"), QStringLiteral("画像"));
    layout->addWidget(Image1, 1);
    buildStatusBar();
    layout->addWidget(StatusBar1);

    Panel1 = named(new QLabel(this), QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setWordWrap(true);
    Panel1->setAutoFillBackground(true);
    Panel1->resize(kPanelWidth, kPanelHeight);
    Panel1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &TrimmingView::Timer1Timer);

    resizeFollower_ = new QTimer(this);
    resizeFollower_->setSingleShot(true);
    resizeFollower_->setInterval(0);
    connect(resizeFollower_, &QTimer::timeout, this, &TrimmingView::followResize);
    connect(Image1, &ViewPicture::resized, resizeFollower_, qOverload<>(&QTimer::start));
    connect(Image1, &ViewPicture::doubleClicked, this, &TrimmingView::closeView);

    FormCreate();
}

void TrimmingView::buildStatusBar() {
    StatusBar1 =
        named(new QStatusBar(this), QStringLiteral("StatusBar1"), QStringLiteral("ステータスバー"));
    StatusBar1->setSizeGripEnabled(false);
    for (int panel = 0; panel < trimming::kStatusPanelCount; ++panel) {
        const trimming::StatusPanel& design = trimming::kStatusPanels[panel];
        auto* label = named(new QLabel(QString::fromUtf8(design.text), StatusBar1),
                            QStringLiteral("StatusPanel%1").arg(panel));
        // At least the designed width; wider where the font needs it, so the
        // hints never run into each other.
        label->setMinimumWidth(design.width);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumHeight(textBoxHeight(*label));
        StatusBar1->addWidget(label);
        StatusPanels[panel] = label;
    }
    // The designed height, or taller where the font's lines need it.
    StatusBar1->setFixedHeight(std::max(kStatusBarHeight, StatusBar1->sizeHint().height()));
}

void TrimmingView::FormCreate() {
    // The message panel stays where the designed window's centre puts it.
    Panel1->move(windowOuterWidth(*this) / 2 - kPanelWidth / 2,
                 windowOuterHeight(*this) / 2 - kPanelHeight / 2);
    StatusPanels[0]->setText(trimming::stepPanelText(state_.Frame.FrameStep));
    setWindowTitle(QString());
}

QString TrimmingView::statusText(int panel) const {
    return StatusPanels.at(panel)->text();
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
    const QSize area = Image1->size();
    const trimming::ViewFit fit =
        trimming::fitImage(picture.width(), picture.height(), area.width(), area.height());
    Image1->setPicture(trimming::renderView(picture, area.width(), area.height(), fit));
    return fit;
}

bool TrimmingView::showItem(const QString& path, const QString& caption, QString* error) {
    const auto picture = imaging::loadPicture(path);
    if (!picture) {
        if (error != nullptr) {
            *error = picture.error().message;
        }
        return false;
    }
    StatusBar1->show();
    showOnScreen(true);
    const trimming::ViewFit fit = renderPicture(picture.value());
    const bool startWhole = windowTitle().isEmpty();
    trimming::showImage(state_.Frame, picture->width(), picture->height(), fit, startWhole);
    mode_ = Mode::Item;
    shownPath_ = path;
    shownName_ = caption;
    drawFrame();
    refreshTitle();
    return true;
}

bool TrimmingView::showPreview(const QString& path, const QString& name, QString* error) {
    const auto picture = imaging::loadPicture(path);
    if (!picture) {
        if (error != nullptr) {
            *error = picture.error().message;
        }
        return false;
    }
    StatusBar1->hide();
    showOnScreen(false);
    trimming::recordPreviewFit(state_.Frame, renderPicture(picture.value()));
    mode_ = Mode::Preview;
    shownPath_ = path;
    shownName_ = name;
    setWindowTitle(trimming::previewTitle(name, picture->width(), picture->height()));
    return true;
}

void TrimmingView::followResize() {
    if (mode_ == Mode::Hidden || !isVisible() || Image1->picture().size() == Image1->size()) {
        return;
    }
    const auto picture = imaging::loadPicture(shownPath_);
    if (!picture) {
        // The file went away meanwhile: the picture stays as it was drawn.
        return;
    }
    if (mode_ == Mode::Preview) {
        trimming::recordPreviewFit(state_.Frame, renderPicture(picture.value()));
        return;
    }
    const bool frameShown = Image1->outlineShown();
    const trimming::ViewFit fit = renderPicture(picture.value());
    trimming::showImage(state_.Frame, picture->width(), picture->height(), fit, false);
    if (frameShown) {
        drawFrame();
    }
}

void TrimmingView::drawFrame() {
    const FrameFields& frame = state_.Frame;
    Image1->toggleOutline(
        {frame.ViewFrameLeft, frame.ViewFrameTop, frame.ViewFrameWidth, frame.ViewFrameHeight});
}

void TrimmingView::eraseFrame() {
    const FrameFields& frame = state_.Frame;
    const ViewPicture::Outline outline{frame.ViewFrameLeft, frame.ViewFrameTop,
                                       frame.ViewFrameWidth, frame.ViewFrameHeight};
    if (Image1->outlines().contains(outline)) {
        Image1->toggleOutline(outline);
    }
}

void TrimmingView::refreshTitle() {
    setWindowTitle(trimming::trimmingTitle(shownName_, state_.Frame));
}

void TrimmingView::closeView() {
    // A request whose file is not written yet is dropped with the view; one
    // that has written it runs on to its end (without showing a next image).
    if (Timer1->isActive() && !trimming::survivesClosing(Panel1->text(), Timer1->interval())) {
        Timer1->stop();
        Panel1->hide();
    }
    Image1->clearPicture();
    const Mode closed = mode_;
    mode_ = Mode::Hidden;
    hide();
    if (closed == Mode::Item) {
        windows_.main->window().setEnabled(true);
    }
    if (closed == Mode::Preview) {
        StatusBar1->show();
        windows_.openFolderDialog->setEnabled(true);
    }
}
