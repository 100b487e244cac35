#include "trimming/TrimSequence.h"

#include "trimming/TrimmingTexts.h"

namespace trimming {

TickAction tickActionFor(const QString& panelText, int interval) {
    const bool trimGroup = panelText == kTrimBusy || panelText == kTrimDone;
    const bool copyGroup = panelText == kCopyBusy || panelText == kCopyDone;
    if (!trimGroup && !copyGroup) {
        return TickAction::HideMessage;
    }
    switch (interval) {
        case kSecondDisplayInterval:
            return TickAction::Finish;
        case kFirstDisplayInterval:
            return trimGroup ? TickAction::ShowTrimDone : TickAction::ShowCopyDone;
        case kWorkInterval:
            return trimGroup ? TickAction::Trim : TickAction::Copy;
        default:
            return TickAction::HideMessage;
    }
}

}  // namespace trimming
