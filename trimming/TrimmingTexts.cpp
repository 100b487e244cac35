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

QString toggledShowNext(const QString& panelText) {
    return panelText == kShowNextOn ? kShowNextOff : kShowNextOn;
}

QString nextNaming(const QString& panelText) {
    if (panelText == kNamingPlain) {
        return kNamingFirst;
    }
    if (panelText == kNamingFirst) {
        return kNamingSecond;
    }
    if (panelText == kNamingSecond) {
        return kNamingPlain;
    }
    return panelText;
}

QString namingSuffix(const QString& panelText) {
    if (panelText == kNamingFirst) {
        return QStringLiteral("_1.bmp");
    }
    if (panelText == kNamingSecond) {
        return QStringLiteral("_2.bmp");
    }
    return QStringLiteral(".bmp");
}

}  // namespace trimming
