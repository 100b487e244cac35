#include "widgets/NumberEdit.h"

#include <QValidator>

namespace {

// Limits typing and pasting to a number of characters; setText() is not
// validated, so texts the program sets keep their length.
class LengthLimit : public QValidator {
public:
    LengthLimit(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}

    State validate(QString& input, int&) const override {
        return input.size() <= maxLength_ ? Acceptable : Invalid;
    }

private:
    const int maxLength_;
};

}  // namespace

NumberEdit::NumberEdit(int32_t upperBound, int maxLength, QWidget* parent)
    : QLineEdit(parent), upperBound_(upperBound) {
    setValidator(new LengthLimit(maxLength, this));
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::textChange);
}

void NumberEdit::textChange(const QString& text) {
    if (const auto corrected = correctedNumberText(text, upperBound_))
        setText(*corrected);
}

void NumberEdit::step(StepDirection direction, const QString& emptyAs, int32_t limit) {
    if (const auto stepped = steppedNumberText(text(), emptyAs, direction, limit)) {
        setText(*stepped);
    }
}
