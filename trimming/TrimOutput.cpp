#include "trimming/TrimOutput.h"

#include "imaging/FileCommit.h"
#include "imaging/FileNames.h"
#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"
#include "imaging/Stretch.h"
#include "trimming/TrimmingTexts.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace trimming {

namespace {

bool isExistingFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

}  // namespace

bool frameCornerInside(const FrameFields& frame) {
    return frame.FrameLeft < frame.ImageWidth && frame.FrameTop < frame.ImageHeight;
}

bool frameTrimmable(const FrameFields& frame) {
    return frame.FrameLeft >= 0 && frame.FrameTop >= 0 && frameCornerInside(frame) &&
           frame.FrameWidth > 0 && frame.FrameHeight > 0;
}

QSize trimOutputSize(const FrameFields& frame) {
    const int64_t right = int64_t{frame.FrameLeft} + frame.FrameWidth;
    const int64_t bottom = int64_t{frame.FrameTop} + frame.FrameHeight;
    const int64_t width =
        right < frame.ImageWidth ? frame.FrameWidth : int64_t{frame.ImageWidth} - frame.FrameLeft;
    const int64_t height = bottom < frame.ImageHeight ? frame.FrameHeight
                                                      : int64_t{frame.ImageHeight} - frame.FrameTop;
    // Both fit in 32 bits: the clipped branch is bounded by the image size.
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

core::Expected<QImage> cutFrame(const QImage& picture, const FrameFields& frame) {
    FrameFields actual = frame;
    actual.ImageWidth = picture.width();
    actual.ImageHeight = picture.height();
    if (frame.FrameLeft < 0 || frame.FrameTop < 0 || !frameCornerInside(actual)) {
        return errors::outsideImage();
    }
    if (frame.FrameWidth <= 0 || frame.FrameHeight <= 0) {
        return errors::emptyFrame();
    }
    const QSize size = trimOutputSize(actual);
    const imaging::PixelRect region{frame.FrameLeft, frame.FrameTop, frame.FrameLeft + size.width(),
                                    frame.FrameTop + size.height()};
    QImage cut = imaging::copyRect(picture, region);
    if (cut.isNull()) {
        return errors::outOfMemory();
    }
    return cut;
}

core::Expected<QByteArray> trimToBmp(const QString& sourcePath, const FrameFields& frame) {
    if (!isExistingFile(sourcePath)) {
        return imaging::errors::fileMissing();
    }
    auto picture = imaging::loadPicture(sourcePath);
    if (!picture) {
        return picture.error();
    }
    const auto cut = cutFrame(picture.value(), frame);
    if (!cut) {
        return cut.error();
    }
    return imaging::encodeBmp(cut.value());
}

QString trimmingFolderOf(const QString& currentFolder) {
    return imaging::joinPath(currentFolder, kTrimmingFolderName);
}

QString trimOutputPath(const QString& currentFolder, const QString& fileName, TrimNaming naming) {
    return imaging::joinPath(trimmingFolderOf(currentFolder),
                             imaging::baseNameOf(fileName) + namingSuffix(naming));
}

QString copyOutputPath(const QString& currentFolder, const QString& fileName) {
    return imaging::joinPath(trimmingFolderOf(currentFolder), fileName);
}

core::Status ensureTrimmingFolder(const QString& currentFolder) {
    const QString folder = trimmingFolderOf(currentFolder);
    if (!QFileInfo(folder).isDir() && !QDir(currentFolder).mkdir(kTrimmingFolderName)) {
        return errors::folderNotMade();
    }
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    if (resolved.isEmpty()) {
        return errors::folderNotMade();
    }
    if (resolved == QFileInfo(currentFolder).canonicalFilePath()) {
        return errors::folderIsSourceFolder();
    }
    return core::success();
}

core::Expected<QString> trimAndSave(const QString& currentFolder, const QString& fileName,
                                    const FrameFields& frame, TrimNaming naming) {
    const auto bytes = trimToBmp(imaging::joinPath(currentFolder, fileName), frame);
    if (!bytes) {
        return bytes.error();
    }
    if (const auto folder = ensureTrimmingFolder(currentFolder); !folder) {
        return folder.error();
    }
    QString target = trimOutputPath(currentFolder, fileName, naming);
    if (const auto written = imaging::commitFile(target, bytes.value()); !written) {
        return written.error();
    }
    return target;
}

core::Expected<QString> copyToTrimmingFolder(const QString& currentFolder,
                                             const QString& fileName) {
    const QString source = imaging::joinPath(currentFolder, fileName);
    if (!isExistingFile(source)) {
        return imaging::errors::fileMissing();
    }
    if (const auto folder = ensureTrimmingFolder(currentFolder); !folder) {
        return folder.error();
    }
    QString target = copyOutputPath(currentFolder, fileName);
    if (const auto copied = imaging::copyFileReplacing(source, target); !copied) {
        return copied.error();
    }
    return target;
}

}  // namespace trimming
