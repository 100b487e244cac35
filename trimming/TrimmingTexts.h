#pragma once

#include "core/Error.h"
#include "trimming/FrameFields.h"
#include "trimming/TrimNaming.h"

#include <QString>

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

// Status panel 0: "[1]-[6] 枠移動量 " + the step in decimal.
QString stepPanelText(int32_t frameStep);

// Status panel 1, the show-next switch: "[T] 次表示 有効" when on (the
// start value), "[T] 次表示 無効" when off.
QString showNextPanelText(bool showNext);

// Status panel 2, the naming switch: "[N] 元名+なし", "[N] 元名+_1",
// "[N] 元名+_2".
QString namingPanelText(TrimNaming naming);

// Message panel texts of the trim and copy sequence.
inline const QString kTrimBusy = QStringLiteral("処理中");
inline const QString kTrimDone = QStringLiteral("保存 OK");
inline const QString kCopyBusy = QStringLiteral("コピー中");
inline const QString kCopyDone = QStringLiteral("コピー OK");

// Why a trim or copy failed, as the message panel says it.
namespace errors {
core::Error outsideImage();          // "範囲外 処理不能": the frame's corner is outside
core::Error emptyFrame();            // "範囲なし 処理不能"
core::Error outOfMemory();           // "メモリ不足 処理不能"
core::Error folderNotMade();         // the trimming folder cannot be made
core::Error folderIsSourceFolder();  // "trimming" leads back to the catalogue's folder
}  // namespace errors

// The twelve key-hint panels of the status bar, left to right, with their
// start texts and widths in pixels. Panels 0 to 2 (the frame step and the
// two switches) show the view's state from its creation on.
struct StatusPanel {
    const char* text;  // UTF-8
    int width;
};
inline constexpr int kStatusPanelCount = 12;
inline constexpr std::array<StatusPanel, kStatusPanelCount> kStatusPanels{{
    {"[1]-[6] 枠移動量 100", 118},
    {"[T] 次表示 有効", 93},
    {"[N] 元名+なし", 80},
    {"[R] 枠リセット", 73},
    {"[Z] 前", 40},
    {"[X] 次", 40},
    {"[W][A][S][D] 左上", 100},
    {"[十字] 右下", 70},
    {"[Shift+十字] 全", 87},
    {"[Space] コピー", 80},
    {"[Enter] トリミング", 90},
    {"DblClick 閉じる", 50},
}};

}  // namespace trimming
