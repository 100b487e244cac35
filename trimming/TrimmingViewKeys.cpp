// The trimming view's keyboard: key-down moves and resizes the frame (on
// every auto-repeat), key-up runs the commands that act once per press.
#include "trimming/TrimmingView.h"

#include "model/PictureSequence.h"
#include "trimming/FrameKeys.h"
#include "trimming/FrameMapping.h"
#include "trimming/PhysicalKey.h"
#include "trimming/StepTarget.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Digits and letters by the key itself, so Shift + 3 is 3 and a release
// matches its press though Shift changed the symbol in between.
int keyOf(const QKeyEvent& event) {
    static const trimming::NativeKeyCodes codes = trimming::nativeKeyCodesOfThisPlatform();
    return trimming::physicalKey(
        {event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()}, codes);
}

}  // namespace

void TrimmingView::keyPressEvent(QKeyEvent* event) {
    const int key = keyOf(*event);
    if (!event->isAutoRepeat()) {
        pressedKeys_.insert(key);
    }
    moveOrResizeFrame(key, event->modifiers());
    event->accept();
}

void TrimmingView::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    const int key = keyOf(*event);
    // Held keys send releases with every repeat; only the real one counts.
    if (event->isAutoRepeat() || !pressedKeys_.remove(key)) {
        return;
    }
    runKeyCommand(key, event->modifiers());
}

void TrimmingView::moveOrResizeFrame(int key, Qt::KeyboardModifiers modifiers) {
    if (mode_ != Mode::Item) {
        return;
    }
    if (const auto frameKey = trimming::frameKeyOf(key)) {
        FrameFields moved = frame_;
        if (trimming::applyFrameKey(moved, *frameKey, modifiers.testFlag(Qt::ShiftModifier))) {
            eraseFrame();
            frame_ = moved;
            drawFrame();
        }
    }
    refreshTitle();
}

void TrimmingView::runKeyCommand(int key, Qt::KeyboardModifiers modifiers) {
    // Escape closes the view as a double-click on the picture does, for
    // those who work from the keyboard.
    if (key == Qt::Key_Escape) {
        closeView();
        return;
    }
    if (key == Qt::Key_X || key == Qt::Key_Z) {
        step(key == Qt::Key_X ? 1 : -1);
    }
    if (mode_ != Mode::Item) {
        return;
    }
    if (key == Qt::Key_R) {
        resetFrame();
    }
    if (const auto frameStep = trimming::frameStepForKey(key, modifiers)) {
        frame_.FrameStep = *frameStep;
    }
    if (key == Qt::Key_T) {
        toggleShowNext();
    }
    if (key == Qt::Key_N) {
        cycleNaming();
    }
    if (key == Qt::Key_G) {
        toggleFindings();
    }
    showStepAndSwitches();
    if (isEnter(key)) {
        trim();
    }
    if (key == Qt::Key_Space) {
        copy();
    }
    refreshTitle();
}

void TrimmingView::step(int direction) {
    if (mode_ == Mode::Hidden || pictures_ == nullptr) {
        return;
    }
    model::PictureSequence& pictures = *pictures_;
    const auto target =
        trimming::stepTarget(pictures.stepFrom(), pictures.current(), pictures.count(), direction);
    if (!target) {
        return;
    }
    if (mode_ == Mode::Item) {
        eraseFrame();
    }
    pictures.setCurrent(*target);
    if (const core::Status shown = showCurrent(mode_); !shown) {
        emit stepFailed(shown.error().message);
    }
}

void TrimmingView::resetFrame() {
    eraseFrame();
    trimming::startWholeImage(frame_);
    drawFrame();
}

void TrimmingView::toggleShowNext() {
    showNext_ = !showNext_;
}

void TrimmingView::cycleNaming() {
    naming_ = trimming::nextNaming(naming_);
}

void TrimmingView::toggleFindings() {
    if (findingsPanel->isVisible()) {
        findingsPanel->hide();
        return;
    }
    findingsPanel->setText(trimming::measuringText());
    placeFindingsPanel();
    findingsPanel->show();
    emit findingsRequested(shownPath_, shownName_);
}
