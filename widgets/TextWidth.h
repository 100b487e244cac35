#pragma once

class QWidget;

// The designed sizes were made for a narrower font than the one found on
// most systems, and for Japanese texts only; these say whether a control's
// text fits and let a button or check box grow to fit it.

// The width a control needs to show its own text whole in its font: a
// label (one line, not rich text), a push button, a check box, a radio item
// or a group box's title. 0 for a control without a text of its own, or one
// that wraps it.
int textWidthNeeded(const QWidget& control);

// Widens a button or check box to textWidthNeeded, keeping its left edge;
// one that already fits keeps its designed width.
void widenToShowText(QWidget& control);
