// The trim and copy request of the trimming view: Timer1 ticks through the
// phases held in Panel1's text and the timer's interval.
#include "trimming/TrimmingView.h"

#include "core/AppState.h"
#include "trimming/TrimOutput.h"
#include "trimming/TrimRequest.h"
#include "trimming/TrimSequence.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>

void TrimmingView::startSequence(const trimming::SequenceStart& start) {
    Panel1->setText(start.panelText);
    Timer1->setInterval(start.interval);
    Panel1->show();
    Panel1->raise();
    Timer1->start();
}

void TrimmingView::failSequence(const QString& message) {
    // Nothing was written; the message takes the panel for a while.
    const trimming::SequenceStart shown = trimming::failureShown(message);
    Panel1->setText(shown.panelText);
    Timer1->setInterval(shown.interval);
}

QString TrimmingView::currentCaption() const {
    const QListWidget& list = windows_.main->catalogueList();
    const QListWidgetItem* item =
        state_.CurrentIndex >= 0 ? list.item(state_.CurrentIndex) : nullptr;
    return item != nullptr ? item->text() : QString();
}

void TrimmingView::Timer1Timer() {
    switch (trimming::tickActionFor(Panel1->text(), Timer1->interval())) {
        case trimming::TickAction::Trim: {
            const auto saved = trimming::trimAndSave(state_.CurrentFolder, currentCaption(),
                                                     state_.Frame, StatusPanels[2]->text());
            if (saved) {
                Timer1->setInterval(trimming::kFirstDisplayInterval);
            } else {
                failSequence(saved.error().message);
            }
            return;
        }
        case trimming::TickAction::ShowTrimDone:
            Panel1->setText(trimming::kTrimDone);
            Timer1->setInterval(trimming::kSecondDisplayInterval);
            return;
        case trimming::TickAction::Copy: {
            const auto copied =
                trimming::copyToTrimmingFolder(state_.CurrentFolder, currentCaption());
            if (copied) {
                Timer1->setInterval(trimming::kFirstDisplayInterval);
            } else {
                failSequence(copied.error().message);
            }
            return;
        }
        case trimming::TickAction::ShowCopyDone:
            Panel1->setText(trimming::kCopyDone);
            Timer1->setInterval(trimming::kSecondDisplayInterval);
            return;
        case trimming::TickAction::Finish:
            finishSequence();
            return;
        case trimming::TickAction::HideMessage:
            Panel1->hide();
            Timer1->stop();
            return;
    }
}

void TrimmingView::finishSequence() {
    Panel1->hide();
    Timer1->stop();
    // A view closed meanwhile is not opened again for the next image.
    if (isVisible() && mode_ == Mode::Item && StatusPanels[1]->text() == trimming::kShowNextOn) {
        stepCatalogue(1);
    }
}
