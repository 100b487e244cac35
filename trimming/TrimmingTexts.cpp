#include "trimming/TrimmingTexts.h"

#include <QCoreApplication>

namespace trimming {

QString trimmingTitle(const QString& fileName, const FrameFields& frame) {
    return previewTitle(fileName, frame.ImageWidth, frame.ImageHeight) +
           QCoreApplication::translate("trimming", "     [ Frame X:%1 Y:%2   Size %3x%4 ]")
               .arg(frame.FrameLeft)
               .arg(frame.FrameTop)
               .arg(frame.FrameWidth)
               .arg(frame.FrameHeight);
}

QString previewTitle(const QString& name, int32_t width, int32_t height) {
    return QStringLiteral(" [ ") + name + QStringLiteral("   ") + QString::number(width) +
           QStringLiteral("x") + QString::number(height) + QStringLiteral(" ]");
}

QString stepPanelText(int32_t frameStep) {
    return QCoreApplication::translate("trimming", "[1]-[6] Step %1").arg(frameStep);
}

QString showNextPanelText(bool showNext) {
    return showNext ? QCoreApplication::translate("trimming", "[T] Next: on")
                    : QCoreApplication::translate("trimming", "[T] Next: off");
}

QString namingPanelText(TrimNaming naming) {
    switch (naming) {
        case TrimNaming::Plain:
            break;
        case TrimNaming::First:
            return QCoreApplication::translate("trimming", "[N] Name_1");
        case TrimNaming::Second:
            return QCoreApplication::translate("trimming", "[N] Name_2");
    }
    return QCoreApplication::translate("trimming", "[N] Name");
}

QString measuringText() {
    return QCoreApplication::translate("trimming", "Finding the gutter and the slant...");
}

QString trimBusyText() {
    return QCoreApplication::translate("trimming", "Working");
}

QString trimDoneText() {
    return QCoreApplication::translate("trimming", "Saved");
}

QString copyBusyText() {
    return QCoreApplication::translate("trimming", "Copying");
}

QString copyDoneText() {
    return QCoreApplication::translate("trimming", "Copied");
}

QString statusPanelText(int panel) {
    return QCoreApplication::translate("trimming", kStatusPanels.at(panel).text);
}

}  // namespace trimming

namespace trimming::errors {

using core::Error;
using core::ErrorKind;

Error outsideImage() {
    return {ErrorKind::NothingToWrite,
            QCoreApplication::translate("trimming", "Outside the picture")};
}

Error emptyFrame() {
    return {ErrorKind::NothingToWrite, QCoreApplication::translate("trimming", "No frame")};
}

Error outOfMemory() {
    return {ErrorKind::OutOfMemory, QCoreApplication::translate("trimming", "Out of memory")};
}

Error folderNotMade() {
    return {ErrorKind::WriteFailed,
            QCoreApplication::translate("trimming", "The folder trimming cannot be made")};
}

Error folderIsSourceFolder() {
    return {
        ErrorKind::SourceProtected,
        QCoreApplication::translate("trimming", "trimming leads to the source folder: not saved")};
}

}  // namespace trimming::errors
