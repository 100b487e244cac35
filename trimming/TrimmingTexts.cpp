#include "trimming/TrimmingTexts.h"

namespace trimming {

QString trimmingTitle(const QString& fileName, const FrameFields& frame) {
    return QStringLiteral(" [ ") + fileName + QStringLiteral("   ") +
           QString::number(frame.ImageWidth) + QStringLiteral("x") +
           QString::number(frame.ImageHeight) + QStringLiteral(" ]") +
           QStringLiteral("     [ 枠位置 X:") + QString::number(frame.FrameLeft) +
           QStringLiteral(" Y:") + QString::number(frame.FrameTop) + QStringLiteral("   範囲 ") +
           QString::number(frame.FrameWidth) + QStringLiteral("x") +
           QString::number(frame.FrameHeight) + QStringLiteral(" ]");
}

QString previewTitle(const QString& name, int32_t width, int32_t height) {
    return QStringLiteral(" [ ") + name + QStringLiteral("   ") + QString::number(width) +
           QStringLiteral("x") + QString::number(height) + QStringLiteral(" ]");
}

QString stepPanelText(int32_t frameStep) {
    return QStringLiteral("[1]-[6] 枠移動量 ") + QString::number(frameStep);
}

QString showNextPanelText(bool showNext) {
    return showNext ? QStringLiteral("[T] 次表示 有効") : QStringLiteral("[T] 次表示 無効");
}

QString namingPanelText(TrimNaming naming) {
    switch (naming) {
        case TrimNaming::Plain:
            return QStringLiteral("[N] 元名+なし");
        case TrimNaming::First:
            return QStringLiteral("[N] 元名+_1");
        case TrimNaming::Second:
            return QStringLiteral("[N] 元名+_2");
    }
    return QStringLiteral("[N] 元名+なし");
}

}  // namespace trimming

namespace trimming::errors {

using core::Error;
using core::ErrorKind;

Error outsideImage() {
    return {ErrorKind::NothingToWrite, QStringLiteral("範囲外 処理不能")};
}

Error emptyFrame() {
    return {ErrorKind::NothingToWrite, QStringLiteral("範囲なし 処理不能")};
}

Error outOfMemory() {
    return {ErrorKind::OutOfMemory, QStringLiteral("メモリ不足 処理不能")};
}

Error folderNotMade() {
    return {ErrorKind::WriteFailed, QStringLiteral("フォルダ trimming を作成できません")};
}

Error folderIsSourceFolder() {
    return {ErrorKind::SourceProtected,
            QStringLiteral("trimming が元のフォルダを指しています 保存できません")};
}

}  // namespace trimming::errors
