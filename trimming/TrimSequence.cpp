#include "trimming/TrimSequence.h"

#include "trimming/TrimOutput.h"
#include "trimming/TrimmingTexts.h"

namespace trimming {

QString TrimSequence::panelText() const {
    switch (phase_) {
        case SequencePhase::Idle:
            return QString();
        case SequencePhase::Trimming:
        case SequencePhase::TrimSaved:
            return trimBusyText();
        case SequencePhase::TrimConfirmed:
            return trimDoneText();
        case SequencePhase::Copying:
        case SequencePhase::CopySaved:
            return copyBusyText();
        case SequencePhase::CopyConfirmed:
            return copyDoneText();
        case SequencePhase::Message:
            return message_;
    }
    return QString();
}

int TrimSequence::interval() const {
    switch (phase_) {
        case SequencePhase::Idle:
            return 0;
        case SequencePhase::Trimming:
        case SequencePhase::Copying:
            return kWorkInterval;
        case SequencePhase::TrimSaved:
        case SequencePhase::CopySaved:
            return kSavedInterval;
        case SequencePhase::TrimConfirmed:
        case SequencePhase::CopyConfirmed:
            return kConfirmedInterval;
        case SequencePhase::Message:
            return kMessageInterval;
    }
    return 0;
}

TickAction TrimSequence::tickAction() const {
    switch (phase_) {
        case SequencePhase::Idle:
            return TickAction::None;
        case SequencePhase::Trimming:
            return TickAction::Trim;
        case SequencePhase::Copying:
            return TickAction::Copy;
        case SequencePhase::TrimSaved:
        case SequencePhase::CopySaved:
            return TickAction::Confirm;
        case SequencePhase::TrimConfirmed:
        case SequencePhase::CopyConfirmed:
            return TickAction::Finish;
        case SequencePhase::Message:
            return TickAction::HideMessage;
    }
    return TickAction::None;
}

void TrimSequence::startTrim(const FrameFields& frame) {
    if (frameTrimmable(frame)) {
        phase_ = SequencePhase::Trimming;
    } else {
        failed(errors::outsideImage().message);
    }
}

void TrimSequence::startCopy() {
    phase_ = SequencePhase::Copying;
}

void TrimSequence::saved() {
    if (phase_ == SequencePhase::Trimming) {
        phase_ = SequencePhase::TrimSaved;
    } else if (phase_ == SequencePhase::Copying) {
        phase_ = SequencePhase::CopySaved;
    }
}

void TrimSequence::failed(const QString& message) {
    phase_ = SequencePhase::Message;
    message_ = message;
}

void TrimSequence::confirm() {
    if (phase_ == SequencePhase::TrimSaved) {
        phase_ = SequencePhase::TrimConfirmed;
    } else if (phase_ == SequencePhase::CopySaved) {
        phase_ = SequencePhase::CopyConfirmed;
    }
}

void TrimSequence::end() {
    phase_ = SequencePhase::Idle;
    message_.clear();
}

void TrimSequence::closeView() {
    switch (phase_) {
        case SequencePhase::TrimSaved:
        case SequencePhase::TrimConfirmed:
        case SequencePhase::CopySaved:
        case SequencePhase::CopyConfirmed:
            return;
        case SequencePhase::Idle:
        case SequencePhase::Trimming:
        case SequencePhase::Copying:
        case SequencePhase::Message:
            end();
            return;
    }
}

}  // namespace trimming
