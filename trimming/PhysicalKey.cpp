#include "trimming/PhysicalKey.h"

#include <array>
#include <optional>
#include <string_view>

namespace trimming {

namespace {

bool isLatinLetter(int qtKey) {
    return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
}

// XKB key codes of the main keyboard's rows (the same in the evdev and the
// older xfree86 key code sets): the digit row 1 to 9, 0 starts at 10, the
// letter rows at 24, 38 and 52.
constexpr uint32_t kDigitRowFirst = 10;
constexpr std::string_view kDigitRow = "1234567890";
struct LetterRow {
    uint32_t first;
    std::string_view letters;
};
constexpr std::array<LetterRow, 3> kLetterRows{{
    {24, "QWERTYUIOP"},
    {38, "ASDFGHJKL"},
    {52, "ZXCVBNM"},
}};

std::optional<int> keyOfRow(uint32_t keyCode, uint32_t first, std::string_view keys) {
    if (keyCode < first || keyCode - first >= keys.size()) {
        return std::nullopt;
    }
    // Qt's key codes of digits and capital letters are their ASCII codes.
    return static_cast<int>(keys[keyCode - first]);
}

int physicalKeyOfXkb(const KeyStroke& stroke) {
    if (const auto digit = keyOfRow(stroke.nativeScanCode, kDigitRowFirst, kDigitRow)) {
        return *digit;
    }
    if (isLatinLetter(stroke.qtKey)) {
        return stroke.qtKey;
    }
    for (const LetterRow& row : kLetterRows) {
        if (const auto letter = keyOfRow(stroke.nativeScanCode, row.first, row.letters)) {
            return *letter;
        }
    }
    return stroke.qtKey;
}

int physicalKeyOfWindows(const KeyStroke& stroke) {
    // The virtual-key codes of digits and letters are their ASCII codes,
    // as Qt's are.
    const uint32_t key = stroke.nativeVirtualKey;
    const bool digit = key >= '0' && key <= '9';
    const bool letter = key >= 'A' && key <= 'Z';
    return digit || letter ? static_cast<int>(key) : stroke.qtKey;
}

}  // namespace

NativeKeyCodes nativeKeyCodesOfThisPlatform() {
#if defined(Q_OS_WIN)
    return NativeKeyCodes::WindowsVirtualKey;
#elif defined(Q_OS_LINUX)
    return NativeKeyCodes::XkbKeyCode;
#else
    return NativeKeyCodes::None;
#endif
}

int physicalKey(const KeyStroke& stroke, NativeKeyCodes codes) {
    // The keypad's digits are other keys than the digit row's.
    if (stroke.modifiers.testFlag(Qt::KeypadModifier)) {
        return stroke.qtKey;
    }
    switch (codes) {
        case NativeKeyCodes::XkbKeyCode:
            return physicalKeyOfXkb(stroke);
        case NativeKeyCodes::WindowsVirtualKey:
            return physicalKeyOfWindows(stroke);
        case NativeKeyCodes::None:
            break;
    }
    return stroke.qtKey;
}

}  // namespace trimming
