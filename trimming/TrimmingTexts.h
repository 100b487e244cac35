#pragma once

#include "core/Error.h"
#include "trimming/FrameFields.h"
#include "trimming/TrimNaming.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstdint>

namespace trimming {

// Texts the trimming view shows. Each is derived from the view's state (the
// frame, the two switches, the trim sequence's phase); none is read back.

// The view's title while it belongs to the catalogue:
// " [ p001.jpg   4096x3072 ]     [ 枠位置 X:0 Y:0   範囲 4096x3072 ]".
// Numbers in plain decimal, no padding.
QString trimmingTitle(const QString& fileName, const FrameFields& frame);

// The title while the view previews a file of the open-folder dialog:
// " [ " + name + "   " + width + "x" + height + " ]".
QString previewTitle(const QString& name, int32_t width, int32_t height);

// Status panel 0: the frame step in decimal after the digit keys.
QString stepPanelText(int32_t frameStep);

// Status panel 1, the show-next switch, on (the start value) or off.
QString showNextPanelText(bool showNext);

// Status panel 2, the naming switch: the name plain, with "_1" or "_2".
QString namingPanelText(TrimNaming naming);

// The findings panel while the cut and slant of the shown image are
// measured.
QString measuringText();

// Message panel texts of the trim and copy sequence: busy and done.
QString trimBusyText();
QString trimDoneText();
QString copyBusyText();
QString copyDoneText();

// Why a trim or copy failed, as the message panel says it.
namespace errors {
core::Error outsideImage();  // the frame's corner lies outside the picture
core::Error emptyFrame();    // the frame has no width or height
core::Error outOfMemory();
core::Error folderNotMade();         // the trimming folder cannot be made
core::Error folderIsSourceFolder();  // "trimming" leads back to the catalogue's folder
}  // namespace errors

// The key-hint panels of the status bar, left to right, with their
// start texts and widths in pixels. Panels 0 to 2 (the frame step and the
// two switches) show the view's state from its creation on.
struct StatusPanel {
    const char* text;  // for translation in the context "trimming"
    int width;
};
inline constexpr int kStatusPanelCount = 13;
inline constexpr std::array<StatusPanel, kStatusPanelCount> kStatusPanels{{
    {QT_TRANSLATE_NOOP("trimming", "[1]-[6] Step 100"), 118},
    {QT_TRANSLATE_NOOP("trimming", "[T] Next: on"), 93},
    {QT_TRANSLATE_NOOP("trimming", "[N] Name"), 80},
    {QT_TRANSLATE_NOOP("trimming", "[R] Reset frame"), 73},
    {QT_TRANSLATE_NOOP("trimming", "[Z] Back"), 40},
    {QT_TRANSLATE_NOOP("trimming", "[X] Next"), 40},
    {QT_TRANSLATE_NOOP("trimming", "[W][A][S][D] Top left"), 100},
    {QT_TRANSLATE_NOOP("trimming", "[Arrows] Bottom right"), 70},
    {QT_TRANSLATE_NOOP("trimming", "[Shift+Arrows] Whole"), 87},
    {QT_TRANSLATE_NOOP("trimming", "[Space] Copy"), 80},
    {QT_TRANSLATE_NOOP("trimming", "[Enter] Trim"), 90},
    {QT_TRANSLATE_NOOP("trimming", "DblClick Close"), 50},
    // Added after the designed twelve.
    {QT_TRANSLATE_NOOP("trimming", "[G] Cut & slant"), 90},
}};

// The text of status panel `panel` as it starts, translated.
QString statusPanelText(int panel);

}  // namespace trimming
