#pragma once

#include "core/WindowPorts.h"
#include "trimming/TrimmingTexts.h"

#include <QSet>
#include <QWidget>

#include <array>

class QLabel;
class QStatusBar;
class QTimer;
class ViewPicture;
struct AppState;

namespace trimming {
struct SequenceStart;
struct ViewFit;
}  // namespace trimming

// The trimming view: one picture as large as the screen allows, with a
// dotted frame the keyboard moves and resizes; Enter cuts the framed region
// into the folder's "trimming" subfolder, Space copies the file there. The
// open-folder dialog borrows it as its preview (without frame or status bar).
class TrimmingView : public QWidget, public TrimmingViewPort {
    Q_OBJECT
public:
    // What the view shows: a catalogue item (opened from the main window,
    // with frame and keys) or the open-folder dialog's preview.
    enum class Mode { Hidden, Item, Preview };

    TrimmingView(AppState& state, Windows& windows);

    Mode mode() const { return mode_; }

    // --- the port the dialogs use ---
    QWidget& window() override { return *this; }
    void closeView() override;
    bool showPreview(const QString& path, const QString& name, QString* error) override;

    // --- showing a catalogue item (the main window's openTrimmingView) ---
    // Shows the picture at `path` maximised on the screen with the frame: the
    // frame starts over the whole image when the title is empty (first
    // showing after start-up or a folder opening), otherwise it is kept in
    // image pixels and remapped. False, with the decoder's message, when the
    // file cannot be read; nothing changes then.
    bool showItem(const QString& path, const QString& caption, QString* error);

    // Toggles the dotted frame outline at the frame's view values: the first
    // draw shows it, a second draw at the same place erases it.
    void drawFrame();
    // Erases the outline when it is drawn at the frame's view values.
    void eraseFrame();
    // The title from the frame model and the shown file's name.
    void refreshTitle();

    void FormCreate();
    // `key` is the key itself (trimming::physicalKey): digits and letters
    // whatever Shift makes of them, other keys as Qt names them.
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void Timer1Timer();

    ViewPicture* Image1 = nullptr;
    QLabel* Panel1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, trimming::kStatusPanelCount> StatusPanels{};
    QTimer* Timer1 = nullptr;

    QString statusText(int panel) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildStatusBar();
    // Shows the view maximised with the keyboard; the catalogue places it
    // at the screen's origin, the preview leaves its position.
    void showOnScreen(bool fromOrigin);
    // Renders the decoded picture for the picture area's current size and
    // returns where it went.
    trimming::ViewFit renderPicture(const QImage& picture);
    // A window manager maximises after showing: the picture follows the
    // picture area's final size.
    void followResize();
    void stepCatalogue(int direction);
    void stepPreview(int direction);
    void startSequence(const trimming::SequenceStart& start);
    void failSequence(const QString& message);
    void finishSequence();
    QString currentCaption() const;

    AppState& state_;
    Windows& windows_;
    Mode mode_ = Mode::Hidden;
    QString shownPath_;
    QString shownName_;
    QTimer* resizeFollower_ = nullptr;
    // Keys pressed while the view had the keyboard: a release acts only for
    // these, not for a key pressed in another window before the view opened.
    QSet<int> pressedKeys_;
};
