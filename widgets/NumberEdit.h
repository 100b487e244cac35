#pragma once

#include "core/NumberText.h"

#include <QLineEdit>

// An edit box that holds a non-negative integer up to a bound. Every change
// of its text, typed or set by the program, runs the change handling: a
// text that is not an integer empties the box, a number above the bound
// becomes the bound, a negative one "0". The maximum length limits what the
// user can type; text the program sets is not cut to it.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    NumberEdit(int32_t upperBound, int maxLength, QWidget* parent);

    int32_t upperBound() const { return upperBound_; }

    // An arrow button: steps the box (read as `emptyAs` when it is empty)
    // by 10 while the value is below (Up) or above (Down) `limit`.
    void step(StepDirection direction, const QString& emptyAs, int32_t limit);

private:
    void textChange(const QString& text);

    const int32_t upperBound_;
};
