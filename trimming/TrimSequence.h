#pragma once

#include "trimming/FrameFields.h"

#include <QString>

namespace trimming {

// The trim and copy request of the trimming view (Enter, Space) as a
// sequence of timed phases. Each phase shows a text in the view's message
// panel for its interval; the tick at the end of the interval does the
// phase's step and moves on. The view keeps one sequence, drives it from
// its timer and shows what the sequence says; nothing is read back from
// the panel or the timer.
enum class SequencePhase {
    Idle,           // no request: the panel is hidden, no tick is due
    Trimming,       // "working": the tick cuts the frame and saves it
    TrimSaved,      // "working" still: the tick confirms with "saved"
    TrimConfirmed,  // "saved": the tick ends the request (maybe showing the next image)
    Copying,        // "copying": the tick copies the file
    CopySaved,      // "copying" still: the tick confirms with "copied"
    CopyConfirmed,  // "copied": the tick ends the request (maybe showing the next image)
    Message,        // a refusal or a failure's message: the tick hides it
};

// What the tick at the end of the current phase does.
enum class TickAction {
    None,         // idle: nothing
    Trim,         // cut and save, then saved() or failed()
    Copy,         // copy the file, then saved() or failed()
    Confirm,      // confirm()
    Finish,       // end(), then show the next image when the switch says so
    HideMessage,  // end()
};

// The phases' intervals in milliseconds, as the user has always seen them:
// the work starts after 10, "処理中" / "コピー中" stays 301 more, the
// confirmation 300; a refusal or failure message stays 2000.
inline constexpr int kWorkInterval = 10;
inline constexpr int kSavedInterval = 301;
inline constexpr int kConfirmedInterval = 300;
inline constexpr int kMessageInterval = 2000;

class TrimSequence {
public:
    SequencePhase phase() const { return phase_; }
    bool running() const { return phase_ != SequencePhase::Idle; }
    // The message panel's text while running; empty when idle.
    QString panelText() const;
    // The time until the phase's tick; 0 when idle (no tick).
    int interval() const;
    TickAction tickAction() const;

    // Enter: Trimming, or the refusal "範囲外 処理不能" when the frame cannot
    // be trimmed (frameTrimmable). A running request is replaced.
    void startTrim(const FrameFields& frame);
    // Space: Copying. A running request is replaced.
    void startCopy();
    // The work of Trimming or Copying is written: TrimSaved or CopySaved.
    void saved();
    // The work failed and wrote nothing: its message, then the end.
    void failed(const QString& message);
    // TrimSaved or CopySaved: the confirmation.
    void confirm();
    // Back to Idle.
    void end();
    // Closing the view: a request whose file is written runs on to its end;
    // one still waiting to do its work, or only showing a message, ends.
    void closeView();

private:
    SequencePhase phase_ = SequencePhase::Idle;
    QString message_;
};

}  // namespace trimming
