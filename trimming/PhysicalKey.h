#pragma once

#include <Qt>

#include <cstdint>

namespace trimming {

// A key event as the platform reported it.
struct KeyStroke {
    // Qt's key code: the symbol the keyboard layout gives with the
    // modifiers held (Shift + 3 is Qt::Key_NumberSign on most layouts).
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
    // QKeyEvent's native codes; 0 where the platform gave none (synthesised
    // events, platforms without them).
    uint32_t nativeScanCode = 0;
    uint32_t nativeVirtualKey = 0;
};

// What a platform's native key codes are.
enum class NativeKeyCodes {
    // Linux: X11, Wayland and Qt's own evdev/libinput input all give the
    // XKB key code (the evdev code + 8) as the native scan code.
    XkbKeyCode,
    // Windows: the native virtual key is the virtual-key code.
    WindowsVirtualKey,
    // Anywhere else: only Qt's key code is used.
    None,
};

// The kind of native key codes of the platform this program is built for.
NativeKeyCodes nativeKeyCodesOfThisPlatform();

// The key itself, whatever Shift makes of its symbol, as the trimming view
// matches its keys: a digit key of the main keyboard gives Qt::Key_0 to
// Qt::Key_9 and a letter key Qt::Key_A to Qt::Key_Z, so Shift + 3 is still
// 3 and a key's release matches its press even when Shift changed between
// them. Every other key (arrows, Enter, Space, the keypad) keeps Qt's key
// code.
//
// Digits are the keys of the digit row, by their place: that is what the
// digits' virtual-key codes mean on every layout (on AZERTY the unshifted
// "&" key is 1). Letters are the letter Qt reports, which follows the
// layout as letter virtual-key codes do; only a layout that gives no Latin
// letter there (Cyrillic, kana) falls back to the letter of a US keyboard
// at that place. Without native codes the key is Qt's.
int physicalKey(const KeyStroke& stroke, NativeKeyCodes codes);

}  // namespace trimming
