#pragma once

#include "core/Error.h"
#include "trimming/FrameFields.h"
#include "trimming/TrimNaming.h"
#include "trimming/TrimSequence.h"
#include "trimming/TrimmingTexts.h"

#include <QList>
#include <QSet>
#include <QWidget>

#include <array>

class QLabel;
class QStatusBar;
class QTimer;
class ViewPicture;

namespace model {
class PictureSequence;
}  // namespace model

namespace trimming {
struct ViewFit;
}  // namespace trimming

// The trimming view: one picture as large as the screen allows, with a
// dotted frame the keyboard moves and resizes; Enter cuts the framed region
// into the folder's "trimming" subfolder, Space copies the file there. The
// open-folder dialog borrows it as its preview (without frame or status bar).
// Either way it shows the current picture of a sequence (the catalogue, or
// the dialog's listing) and steps through it with X and Z.
class TrimmingView : public QWidget {
    Q_OBJECT
public:
    // What the view shows: a catalogue item (with frame and keys) or the
    // open-folder dialog's preview.
    enum class Mode { Hidden, Item, Preview };

    TrimmingView();

    Mode mode() const { return mode_; }
    // The frame and its step, kept from one picture to the next.
    const FrameFields& frame() const { return frame_; }
    const trimming::TrimSequence& sequence() const { return sequence_; }
    bool showsNext() const { return showNext_; }
    trimming::TrimNaming naming() const { return naming_; }
    // True until a picture is shown, and again after a folder is opened:
    // the next catalogue showing starts the frame over the whole image.
    bool startsFrameAnew() const { return startFrameAnew_; }

    // Closes the view (the picture's double-click, Esc).
    void closeView();
    // A folder was opened: the next catalogue showing starts the frame over
    // the whole image.
    void startFrameAnew();

    // Shows the current item of `items` (the catalogue) maximised on the
    // screen with the frame: the frame starts over the whole image on the
    // first showing after start-up or a folder opening (startsFrameAnew),
    // otherwise it is kept in image pixels and remapped. The error says why
    // the file cannot be shown; nothing changes then.
    core::Status showItems(model::PictureSequence& items);
    // Shows the current file of `files` (the open-folder dialog's listing)
    // as its preview, without frame or status bar.
    core::Status showPreview(model::PictureSequence& files);

    // The findings asked for with G: shown when they concern the picture
    // shown at `path`, dropped otherwise.
    void showFindings(const QString& path, const QString& text);

    // The tick of the trim and copy sequence (the sequence timer's timeout):
    // does the current phase's step and shows the next phase.
    void advanceSequence();

    // The status panels, left to right: the frame step, the two switches,
    // then the fixed key hints.
    QList<QLabel*> statusPanels() const;

    ViewPicture* pictureArea = nullptr;
    // Says what the trim and copy sequence is doing, over the picture.
    QLabel* messagePanel = nullptr;
    // G: where the shown image would be cut at its gutter and how its pages
    // would be straightened, over the top of the picture.
    QLabel* findingsPanel = nullptr;
    QStatusBar* statusBar = nullptr;
    QLabel* stepPanel = nullptr;
    QLabel* showNextPanel = nullptr;
    QLabel* namingPanel = nullptr;
    std::array<QLabel*, trimming::kStatusPanelCount - 3> keyHintPanels{};
    // Ticks through the sequence's phases, at each phase's interval.
    QTimer* sequenceTimer = nullptr;

signals:
    // The view has closed.
    void closed();
    // A step (X, Z, or the step after a save) reached a picture that cannot
    // be shown, for `reason`; the view stays as it was.
    void stepFailed(const QString& reason);
    // G: the user asks where the picture at `path` (named `fileName`) would
    // be cut and straightened; showFindings answers.
    void findingsRequested(const QString& path, const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildStatusBar();
    // Status panel `panel` (0 to 11, left to right) as designed.
    QLabel* addStatusPanel(int panel);
    // The message panel stays where the designed window's centre puts it.
    void placeMessagePanel();
    // Shows the view maximised with the keyboard; the catalogue places it
    // at the screen's origin, the preview leaves its position.
    void showOnScreen(bool fromOrigin);
    // Renders the decoded picture for the picture area's current size and
    // returns where it went.
    trimming::ViewFit renderPicture(const QImage& picture);
    // A window manager maximises after showing: the picture follows the
    // picture area's final size.
    void followResize();

    // Toggles the dotted frame outline at the frame's view values: the first
    // draw shows it, a second draw at the same place erases it.
    void drawFrame();
    // Erases the outline when it is drawn at the frame's view values.
    void eraseFrame();
    // The title from the frame model and the shown file's name.
    void refreshTitle();
    // The step and switch panels from the frame step and the switches.
    void showStepAndSwitches();

    // Key-down: the frame keys move or resize the frame (on every repeat).
    // `key` is the key itself (trimming::physicalKey): digits and letters
    // whatever Shift makes of them, other keys as Qt names them.
    void moveOrResizeFrame(int key, Qt::KeyboardModifiers modifiers);
    // Key-up: the commands that act once per press.
    void runKeyCommand(int key, Qt::KeyboardModifiers modifiers);
    // X (+1) and Z (-1): the next or previous picture of the sequence.
    void step(int direction);
    // The current picture of the sequence, shown in `mode`.
    core::Status showCurrent(Mode mode);
    // R: the frame over the whole image.
    void resetFrame();
    void toggleShowNext();
    void cycleNaming();
    // G: asks for the findings of the shown picture, or hides them.
    void toggleFindings();
    // The findings panel across the top of the picture area.
    void placeFindingsPanel();
    // Enter and Space: start the trim or the copy sequence.
    void trim();
    void copy();
    // The message panel and the timer as the sequence's phase says.
    void showSequence();
    QString currentFileName() const;

    model::PictureSequence* pictures_ = nullptr;
    FrameFields frame_;
    Mode mode_ = Mode::Hidden;
    QString shownPath_;
    QString shownName_;
    bool startFrameAnew_ = true;
    // The T switch: after a save, show the next catalogue item.
    bool showNext_ = true;
    trimming::TrimNaming naming_ = trimming::TrimNaming::Plain;
    trimming::TrimSequence sequence_;
    QTimer* resizeFollower_ = nullptr;
    // Keys pressed while the view had the keyboard: a release acts only for
    // these, not for a key pressed in another window before the view opened.
    QSet<int> pressedKeys_;
};
