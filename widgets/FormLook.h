#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QRect;
class QWidget;

// How the program's windows look and behave as windows.

// The program's font: "ＭＳ Ｐゴシック" 12 pixels high, with Noto Sans CJK JP
// where the Windows font is not installed.
void applyFormFont(QWidget& window);

// A font of the same families with another pixel height.
void setPixelFont(QWidget& widget, int pixelHeight);

// The height a one-line text box needs to show its font's line whole: the
// font's line height plus the box's frame and margins. The designed
// heights were made for a font that can be smaller than the one found here,
// so fixed-height boxes take the larger of the two.
int textBoxHeight(const QLabel& box);

enum class CloseButton { Shown, Hidden };

// A fixed-size dialog window with only a title bar (and a close button
// when shown). Windows without a close button must also ignore closeEvent.
void makeDialogWindow(QWidget& window, int clientWidth, int clientHeight, CloseButton close);

// Names a control for tools and screen readers: objectName = designer name.
// A control that shows a text (label, status panel, button, check box, group
// box, window title) gets no accessible name of its own, so screen readers
// read its current text and hear when it changes. A control without visible
// text of its own (a list, a picture, an edit box, a bare panel) passes
// `accessibleName`, a short translated name saying what it is.
template <typename Widget>
Widget* named(Widget* widget, const QString& designerName, const QString& accessibleName = {});

// Window position as the settings file keeps it: the frame's top-left.
int windowLeft(const QWidget& window);
int windowTop(const QWidget& window);
void placeWindow(QWidget& window, int left, int top);
// Outer size of the main window (frame included) and its restoration.
int windowOuterWidth(const QWidget& window);
int windowOuterHeight(const QWidget& window);
void resizeOuter(QWidget& window, int outerWidth, int outerHeight);

// The widget's object name (its designer name, which tools look for) and
// the name screen readers read; an empty `accessibleName` leaves the
// latter unset.
void setObjectAndAccessibleName(QWidget& widget, const QString& objectName,
                                const QString& accessibleName = {});

// A push button at a designed place, widened where its text needs it;
// screen readers read its text.
QPushButton* pushButton(QWidget* parent, const QString& designerName, const QString& text,
                        const QRect& geometry);

template <typename Widget>
Widget* named(Widget* widget, const QString& designerName, const QString& accessibleName) {
    setObjectAndAccessibleName(*widget, designerName, accessibleName);
    return widget;
}
