#pragma once

#include <QString>

namespace trimming {

// The trim and copy request runs as timer ticks whose phase is held in the
// message panel's text and the timer's interval; the interval is also the
// delay before the next tick. The two display phases use 301 and 300 so the
// tick can tell them apart by the interval alone.
inline constexpr int kWorkInterval = 10;
inline constexpr int kFirstDisplayInterval = 301;
inline constexpr int kSecondDisplayInterval = 300;
// How long a refusal or failure message stays before the panel is hidden.
inline constexpr int kMessageInterval = 2000;

enum class TickAction {
    Trim,          // cut and save, then interval 301
    ShowTrimDone,  // text "保存 OK", interval 300
    Copy,          // copy the file, then interval 301
    ShowCopyDone,  // text "コピー OK", interval 300
    Finish,        // hide the panel, stop the timer, maybe show the next image
    HideMessage,   // hide the panel, stop the timer
};

// What one tick does for the panel text and interval it finds.
// Trim group ("処理中", "保存 OK") and copy group ("コピー中", "コピー OK"):
// interval 300 finishes, 301 shows the done text, 10 does the work; any
// other interval in a group ends the request like a finish without the
// show-next step would (HideMessage) so the timer never spins forever.
// Any other text (the out-of-range refusal, or an error message put there
// when a trim or copy failed) is hidden: HideMessage.
TickAction tickActionFor(const QString& panelText, int interval);

}  // namespace trimming
