#pragma once

#include "core/FrameFields.h"

#include <QString>

namespace trimming {

// How Enter and Space start the trim and copy sequence, and what becomes of
// a running sequence when the view closes. The phases themselves are in
// TrimSequence.h.

// The message panel's text and the timer's interval that start a request.
struct SequenceStart {
    QString panelText;
    int interval = 0;

    bool operator==(const SequenceStart&) const = default;
};

// True when the frame can be cut out of the image shown: its top-left
// corner lies inside the image and it has a width and a height. A zero
// frame (kept from a preview before any catalogue showing) would give an
// empty picture, so it is refused like a corner outside the image.
bool frameTrimmable(const FrameFields& frame);

// Enter: "処理中" with the work interval, or the refusal "範囲外 処理不能"
// shown for the message interval when the frame cannot be trimmed.
SequenceStart trimStart(const FrameFields& frame);

// Space: "コピー中" with the work interval.
SequenceStart copyStart();

// A failed trim or copy ends the request: its message stays in the panel
// for the message interval, then the panel is hidden. Nothing was written.
SequenceStart failureShown(const QString& message);

// Closing the view keeps a request running only once its file is written
// (the two display phases of a trim or copy); one still waiting to do its
// work, or only showing a message, is cancelled.
bool survivesClosing(const QString& panelText, int interval);

}  // namespace trimming
