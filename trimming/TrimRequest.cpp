#include "trimming/TrimRequest.h"

#include "trimming/TrimOutput.h"
#include "trimming/TrimSequence.h"
#include "trimming/TrimmingTexts.h"

namespace trimming {

bool frameTrimmable(const FrameFields& frame) {
    return frame.FrameLeft >= 0 && frame.FrameTop >= 0 && frameCornerInside(frame) &&
           frame.FrameWidth > 0 && frame.FrameHeight > 0;
}

SequenceStart trimStart(const FrameFields& frame) {
    if (frameTrimmable(frame)) {
        return {kTrimBusy, kWorkInterval};
    }
    return {kOutOfRange, kMessageInterval};
}

SequenceStart copyStart() {
    return {kCopyBusy, kWorkInterval};
}

SequenceStart failureShown(const QString& message) {
    return {message, kMessageInterval};
}

bool survivesClosing(const QString& panelText, int interval) {
    const TickAction action = tickActionFor(panelText, interval);
    return action == TickAction::ShowTrimDone || action == TickAction::ShowCopyDone ||
           action == TickAction::Finish;
}

}  // namespace trimming
