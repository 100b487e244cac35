#include "trimming/TrimmingTexts.h"

namespace trimming {

QString trimmingTitle(const QString& caption, const FrameFields& frame) {
    return QStringLiteral(" [ ") + caption + QStringLiteral("   ") +
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
