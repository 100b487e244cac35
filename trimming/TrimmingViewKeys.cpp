// The trimming view's keyboard: key-down moves and resizes the frame (on
// every auto-repeat), key-up does what happens once per press.
#include "trimming/TrimmingView.h"

#include "core/AppState.h"
#include "dialogs/OpenFolderDialog.h"
#include "trimming/FrameKeys.h"
#include "trimming/FrameMapping.h"
#include "trimming/ListSelection.h"
#include "trimming/PhysicalKey.h"
#include "trimming/StepTarget.h"
#include "trimming/TrimRequest.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

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
    FormKeyDown(key, event->modifiers());
    event->accept();
}

void TrimmingView::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    const int key = keyOf(*event);
    // Held keys send releases with every repeat; only the real one counts.
    if (event->isAutoRepeat() || !pressedKeys_.remove(key)) {
        return;
    }
    FormKeyUp(key, event->modifiers());
}

void TrimmingView::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (mode_ != Mode::Item) {
        return;
    }
    if (const auto frameKey = trimming::frameKeyOf(key)) {
        FrameFields moved = state_.Frame;
        if (trimming::applyFrameKey(moved, *frameKey, modifiers.testFlag(Qt::ShiftModifier))) {
            eraseFrame();
            state_.Frame = moved;
            drawFrame();
        }
    }
    refreshTitle();
}

void TrimmingView::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_X || key == Qt::Key_Z) {
        const int direction = key == Qt::Key_X ? 1 : -1;
        if (mode_ == Mode::Item) {
            stepCatalogue(direction);
        } else if (mode_ == Mode::Preview) {
            stepPreview(direction);
        }
    }
    if (mode_ != Mode::Item) {
        return;
    }
    FrameFields& frame = state_.Frame;
    if (key == Qt::Key_R) {
        eraseFrame();
        trimming::startWholeImage(frame);
        drawFrame();
    }
    if (const auto step = trimming::frameStepForKey(key, modifiers)) {
        frame.FrameStep = *step;
    }
    StatusPanels[0]->setText(trimming::stepPanelText(frame.FrameStep));
    if (key == Qt::Key_T) {
        StatusPanels[1]->setText(trimming::toggledShowNext(StatusPanels[1]->text()));
    }
    if (key == Qt::Key_N) {
        StatusPanels[2]->setText(trimming::nextNaming(StatusPanels[2]->text()));
    }
    if (isEnter(key)) {
        startSequence(trimming::trimStart(frame));
    }
    if (key == Qt::Key_Space) {
        startSequence(trimming::copyStart());
    }
    refreshTitle();
}

void TrimmingView::stepCatalogue(int direction) {
    QListWidget& list = windows_.main->catalogueList();
    const auto target = trimming::stepTarget(listItemIndex(list), state_.CurrentIndex,
                                             windows_.main->thumbnailCount(), direction);
    if (!target) {
        return;
    }
    eraseFrame();
    state_.CurrentIndex = *target;
    selectOnly(list, *target);
    windows_.main->openTrimmingView();
}

void TrimmingView::stepPreview(int direction) {
    OpenFolderDialog& dialog = *windows_.openFolderDialog;
    const int entry = dialog.selectedIndex();
    const auto target = trimming::stepTarget(entry, entry, dialog.fileCount(), direction);
    if (!target) {
        return;
    }
    dialog.setSelectedIndex(*target);
    dialog.ShellListView1DblClick();
}
