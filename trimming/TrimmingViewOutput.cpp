// The trim and copy sequence of the trimming view: the sequence timer ticks
// through the phases of the view's TrimSequence, and the message panel and
// the timer show what the phase says.
#include "trimming/TrimmingView.h"

#include "model/PictureSequence.h"
#include "trimming/TrimOutput.h"

#include <QLabel>
#include <QTimer>

void TrimmingView::trim() {
    sequence_.startTrim(frame_);
    showSequence();
}

void TrimmingView::copy() {
    sequence_.startCopy();
    showSequence();
}

void TrimmingView::showSequence() {
    if (!sequence_.running()) {
        messagePanel->hide();
        sequenceTimer->stop();
        return;
    }
    messagePanel->setText(sequence_.panelText());
    messagePanel->show();
    messagePanel->raise();
    // The next tick comes one phase's interval from now.
    sequenceTimer->start(sequence_.interval());
}

QString TrimmingView::currentFileName() const {
    return pictures_ != nullptr ? pictures_->fileName(pictures_->current()) : QString();
}

void TrimmingView::advanceSequence() {
    switch (sequence_.tickAction()) {
        case trimming::TickAction::None:
            return;
        case trimming::TickAction::Trim: {
            const auto saved =
                trimming::trimAndSave(pictures_->folder(), currentFileName(), frame_, naming_);
            if (saved) {
                sequence_.saved();
            } else {
                sequence_.failed(saved.error().message);
            }
            break;
        }
        case trimming::TickAction::Copy: {
            const auto copied =
                trimming::copyToTrimmingFolder(pictures_->folder(), currentFileName());
            if (copied) {
                sequence_.saved();
            } else {
                sequence_.failed(copied.error().message);
            }
            break;
        }
        case trimming::TickAction::Confirm:
            sequence_.confirm();
            break;
        case trimming::TickAction::Finish:
            sequence_.end();
            showSequence();
            // A view closed meanwhile is not opened again for the next image.
            if (isVisible() && mode_ == Mode::Item && showNext_) {
                step(1);
            }
            return;
        case trimming::TickAction::HideMessage:
            sequence_.end();
            break;
    }
    showSequence();
}
