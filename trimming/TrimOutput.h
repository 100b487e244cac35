#pragma once

#include "core/Error.h"
#include "trimming/FrameFields.h"
#include "trimming/TrimNaming.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace trimming {

// The trim and copy work of the trimming view, without widgets. Trim cuts
// the frame (image pixels) out of the full-resolution picture, decoded
// again from its file, and writes it as a 24-bit BMP into the subfolder
// "trimming" of the catalogue's folder; copy puts the file itself there.
// Every failure is an error value with a Japanese message; nothing throws,
// and no output is written for a failed trim. Safe to call from a worker
// thread (no widgets, no shared state).

// The name of the output subfolder.
inline const QString kTrimmingFolderName = QStringLiteral("trimming");

// True when the frame's top-left corner lies inside the image recorded in
// `frame` (FrameLeft < ImageWidth and FrameTop < ImageHeight). Enter is
// refused otherwise, before any work.
bool frameCornerInside(const FrameFields& frame);

// True when the frame can be cut out of the image shown: its top-left
// corner lies inside the image and it has a width and a height. A zero
// frame (kept from a preview before any catalogue showing) would give an
// empty picture, so it is refused like a corner outside the image.
bool frameTrimmable(const FrameFields& frame);

// Output size of a trim, the frame clipped at the image's right and bottom:
//   width  = FrameWidth  if FrameLeft + FrameWidth  < ImageWidth,  else ImageWidth  - FrameLeft
//   height = FrameHeight if FrameTop  + FrameHeight < ImageHeight, else ImageHeight - FrameTop
// Sums are taken in 64 bits. Not positive when the corner lies outside.
QSize trimOutputSize(const FrameFields& frame);

// The frame's region of `picture`, 1:1, as a new RGB888 image. The clipping
// uses the picture's own size, not the ImageWidth / ImageHeight recorded
// when it was shown, so a file that changed since is never read outside.
// Errors: frame corner outside the picture (or negative) "範囲外 処理不能";
// frame of zero width or height "範囲なし 処理不能"; out of memory.
core::Expected<QImage> cutFrame(const QImage& picture, const FrameFields& frame);

// Decodes `sourcePath` (JPEG or BMP) and returns the BMP bytes of its cut.
// A vanished source gives "ファイルが見当たりません"; an undecodable one the
// decoder's message.
core::Expected<QByteArray> trimToBmp(const QString& sourcePath, const FrameFields& frame);

// currentFolder/trimming
QString trimmingFolderOf(const QString& currentFolder);
// currentFolder/trimming/<fileName without its last extension><the naming's suffix>;
// "a.b.jpg" with the plain naming gives "a.b.bmp".
QString trimOutputPath(const QString& currentFolder, const QString& fileName, TrimNaming naming);
// currentFolder/trimming/<fileName>, name and extension kept.
QString copyOutputPath(const QString& currentFolder, const QString& fileName);

// Makes sure currentFolder/trimming exists as a folder, creating one level.
// Refuses a "trimming" that resolves to the catalogue folder itself (a link
// back to it), since writing there could replace a source image.
core::Status ensureTrimmingFolder(const QString& currentFolder);

// The whole trim of one catalogue item: source currentFolder/fileName, cut,
// folder ensured, output written through a temporary file and renamed over
// trimOutputPath. Returns the written path.
core::Expected<QString> trimAndSave(const QString& currentFolder, const QString& fileName,
                                    const FrameFields& frame, TrimNaming naming);

// The copy of one catalogue item into the trimming folder, replacing an
// earlier copy (temporary file, then rename). A missing source gives
// "ファイルが見当たりません". Returns the written path.
core::Expected<QString> copyToTrimmingFolder(const QString& currentFolder, const QString& fileName);

}  // namespace trimming
