#pragma once

#include <QString>

namespace split {

// Reading direction of the cut, by the index of the split dialog's
// "分割方法" group. Part 1 lies at the tail of the arrow, part 2 at its head.
enum class SplitDirection {
    Right = 0,  // " →": left page first
    Down = 1,   // " ↓": upper page first
    Left = 2,   // " ←": right page first (the dialog's default)
    Up = 3,     // " ↑": lower page first
    None = 4,   // "None": the image stays whole
};

// Quarter turn: Left is counter-clockwise ("L"), Right clockwise ("R").
enum class TurnDirection { Left, Right };

// Where a spread is cut: at its centre (width / 2 or height / 2), or at the
// gutter found in its middle band (the centre when none is found).
enum class CutPlacement { Centre, Gutter };

// Output file format, by the index of the "保存ファイル形式" group.
enum class OutputFormat { Jpeg = 0, Bmp = 1 };

// Everything a split batch needs to know, as one copyable value. The split
// dialog maps its controls to this at OK time; the batch keeps it fixed for
// all its images. Defaults are the dialog's defaults at program start.
struct SplitOptions {
    // "保存先フォルダ": the folder the user chose (not yet the subfolder).
    QString destination;
    // "保存先に元と同名のフォルダを作る": write into destination/<source folder name>.
    bool sourceNamedSubfolder = true;
    // "非選択ファイルもコピーする" / "非選択ファイルも新規保存する". The dialog
    // keeps at most one of them on; with both on an unselected image is first
    // copied and then saved anew.
    bool copyUnselected = true;
    bool resaveUnselected = false;
    // "完了時に音を鳴らす".
    bool soundOnCompletion = true;

    SplitDirection direction = SplitDirection::Left;
    // "中心除去する" and "除去する中心幅": pixels dropped on each side of the cut.
    bool removeCentre = false;
    int centreWidth = 20;

    // Where the cut runs; centre removal and the margins then work from it.
    CutPlacement cutPlacement = CutPlacement::Centre;

    // Automatic deskew: each page of a selected image, after the cut and
    // before the margins, has its skew measured and is turned straight when
    // the measure is trusted and the angle lies from kLeastDeskew up to
    // deskewCap degrees; other pages are kept as they are. Off, nothing is
    // measured and every page comes out as it always has.
    bool deskew = false;
    double deskewCap = 5.0;

    // "余白除去する", "余白のしきい値" (0..255) and "残す余白幅" (0..9999).
    bool removeMargins = false;
    int marginThreshold = 100;
    int keptMargin = 0;

    // "90度回転する" with "L" / "R". Never applied to unselected images.
    bool turn = false;
    TurnDirection turnDirection = TurnDirection::Left;

    OutputFormat format = OutputFormat::Jpeg;
    // "圧縮率": JPEG quality 0..100 (0 acts as 1).
    int jpegQuality = 80;

    // Lossless pages: a JPEG source written as JPEG keeps its compressed
    // blocks (cut on its block grid, turned by moving blocks) instead of
    // being decoded and encoded again at jpegQuality. Pages that cannot
    // keep them are encoded as without it and named in the batch's
    // report. BMP sources, BMP output and unselected images are handled
    // as without it.
    bool lossless = false;

    // Whether a selected file of this name takes the lossless path.
    bool keepsBlocksOf(const QString& fileName) const;

    // The centre width the batch starts with: the width when centre removal
    // is on and the image is cut at all, else 0. Negative widths count as 0.
    int centreWidthInUse() const;

    bool operator==(const SplitOptions&) const = default;
};

// Smaller skews than this (in degrees) are left alone: a turn would only
// soften the page.
inline constexpr double kLeastDeskew = 0.05;
// The largest deskew cap a user may set, in degrees.
inline constexpr double kLargestDeskewCap = 45.0;

}  // namespace split
