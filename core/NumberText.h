#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The number edits keep a non-negative integer up to a bound in their text.
// These are their rules, shared by every such box.

// Result of reading a box's text as an integer.
struct NumberParse {
    // The number; 0 when the text did not convert.
    int32_t value = 0;
    // 0 when the whole text converted, otherwise the 1-based position of the
    // first character that did not (1 for the empty text).
    int32_t errorPos = 0;

    bool ok() const { return errorPos == 0; }
};

// Reads optional leading blanks, an optional sign, then either decimal
// digits or a hexadecimal number marked by "$", "x" or "0x" (any case).
// The empty text, a lone sign, a lone prefix, trailing characters and
// numbers outside 32 bits are not integers. Hexadecimal numbers of up to
// eight digits are read as 32-bit two's complement ("$FFFFFFFF" is -1).
NumberParse parseNumber(const QString& text);

// The text a box must hold after a change to `text`: empty when it is not an
// integer, the bound when above it, "0" when negative. nullopt when the text
// may stay as it is.
std::optional<QString> correctedNumberText(const QString& text, int32_t upperBound);

enum class StepDirection { Up, Down };

// What an arrow button makes of its box. An empty box is read as
// `emptyAs`; Up steps by +10 only while the value is below `limit`, Down by
// -10 only while it is above `limit`. nullopt when the button does nothing.
// The box's own change handling then clamps an overshoot.
std::optional<QString> steppedNumberText(const QString& text, const QString& emptyAs,
                                         StepDirection direction, int32_t limit);
