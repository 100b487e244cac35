#pragma once

#include "trimming/FrameFields.h"

#include <Qt>

#include <cstdint>
#include <optional>

namespace trimming {

// The keys that move and resize the frame on key-down.
//  W / A  move the top / left edge out (up / left) by FrameStep, stopping at 0;
//  S / D  move the top / left edge in (down / right) by FrameStep;
//  arrows move the bottom-right corner; Shift + arrows move the whole frame.
enum class FrameKey { W, A, S, D, Up, Down, Left, Right };

// The frame key of a Qt key code, or nothing for any other key. Letters are
// matched whatever the modifiers (Shift + W acts as W).
std::optional<FrameKey> frameKeyOf(int qtKey);

// Applies one key-down to the frame in image pixels by the step FrameStep,
// and remaps exactly the view values that the key's change touches (the
// others are left as they are). Shift matters only for the arrows, where it
// moves the whole frame instead of the bottom-right corner. Returns true
// when the frame changed, so the caller erases the outline before and draws
// it after; false leaves every field untouched.
//
// Rules that follow: top and left edges never pass 0; the shrinking keys
// (S, D, Up, Left) act only while the size exceeds the step, so the frame
// stays at least 1 pixel wide and high; Down and Right grow without limit
// (saturating at the 32-bit maximum rather than overflowing); S, D and
// Shift + Down / Right keep the top-left corner inside the image.
bool applyFrameKey(FrameFields& frame, FrameKey key, bool shift);

// The step chosen by a digit key of the main keyboard: 1 -> 1, 2 -> 5,
// 3 -> 50, 4 -> 2, 5 -> 8, 6 -> 32 (not in ascending order). Keypad digits
// (Qt::KeypadModifier) and every other key give nothing.
std::optional<int32_t> frameStepForKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The frame step a fresh program starts with.
inline constexpr int32_t kInitialFrameStep = 5;

}  // namespace trimming
