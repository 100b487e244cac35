#include "trimming/PhysicalKey.h"

#include <gtest/gtest.h>

#include <vector>

namespace trimming {
namespace {

struct Case {
    const char* what;
    KeyStroke stroke;
    int expected;
};

void expectKeys(const std::vector<Case>& cases, NativeKeyCodes codes) {
    for (const Case& c : cases) {
        EXPECT_EQ(physicalKey(c.stroke, codes), c.expected) << c.what;
    }
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

TEST(PhysicalKey, DigitRowKeysAreTheirDigitWhateverShiftMakesOfThem) {
    expectKeys(
        {
            {"Shift+3 on a US or JIS layout", {Qt::Key_NumberSign, kShift, 12, 0x23}, Qt::Key_3},
            {"Shift+1", {Qt::Key_Exclam, kShift, 10, 0x21}, Qt::Key_1},
            {"Shift+6 on a US layout", {Qt::Key_AsciiCircum, kShift, 15, 0x5e}, Qt::Key_6},
            {"Shift+0 on a JIS layout", {Qt::Key_unknown, kShift, 19, 0}, Qt::Key_0},
            {"plain 4", {Qt::Key_4, kNone, 13, 0x34}, Qt::Key_4},
            {"unshifted 1 on AZERTY", {Qt::Key_Ampersand, kNone, 10, 0x26}, Qt::Key_1},
        },
        NativeKeyCodes::XkbKeyCode);
}

TEST(PhysicalKey, LettersFollowTheLayoutAndFallBackToTheirPlace) {
    expectKeys(
        {
            {"Shift+W", {Qt::Key_W, kShift, 25, 0x57}, Qt::Key_W},
            {"A on AZERTY, where US has Q", {Qt::Key_A, kNone, 24, 0x61}, Qt::Key_A},
            {"W's place on a Cyrillic layout", {0x0426 /* Ц */, kNone, 25, 0x6c3}, Qt::Key_W},
            {"X's place in kana input", {Qt::Key_unknown, kNone, 53, 0x4bb}, Qt::Key_X},
        },
        NativeKeyCodes::XkbKeyCode);
}

TEST(PhysicalKey, OtherKeysKeepQtsKeyCode) {
    expectKeys(
        {
            {"Shift+Down", {Qt::Key_Down, kShift, 116, 0xff54}, Qt::Key_Down},
            {"Enter", {Qt::Key_Return, kNone, 36, 0xff0d}, Qt::Key_Return},
            {"Space", {Qt::Key_Space, kNone, 65, 0x20}, Qt::Key_Space},
            {"keypad 3", {Qt::Key_3, kKeypad, 89, 0xffb3}, Qt::Key_3},
            {"keypad 3 without Num Lock",
             {Qt::Key_PageDown, kKeypad, 89, 0xff9b},
             Qt::Key_PageDown},
            {"an event without native codes",
             {Qt::Key_NumberSign, kShift, 0, 0},
             Qt::Key_NumberSign},
        },
        NativeKeyCodes::XkbKeyCode);
}

TEST(PhysicalKey, WindowsVirtualKeysOfDigitsAndLetters) {
    expectKeys(
        {
            {"Shift+3", {Qt::Key_NumberSign, kShift, 4, '3'}, Qt::Key_3},
            {"W's place on a Cyrillic layout", {0x0426 /* Ц */, kNone, 17, 'W'}, Qt::Key_W},
            {"Shift+Down", {Qt::Key_Down, kShift, 80, 0x28}, Qt::Key_Down},
            {"keypad 3", {Qt::Key_3, kKeypad, 81, 0x63}, Qt::Key_3},
        },
        NativeKeyCodes::WindowsVirtualKey);
    expectKeys({{"no native codes", {Qt::Key_NumberSign, kShift, 12, '3'}, Qt::Key_NumberSign}},
               NativeKeyCodes::None);
}

}  // namespace
}  // namespace trimming
