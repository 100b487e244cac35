#include "imaging/ImagingErrors.h"

namespace imaging::errors {

using core::Error;
using core::ErrorKind;

Error fileMissing() {
    return {ErrorKind::FileMissing, QStringLiteral("ファイルが見当たりません")};
}

Error notRegularFile() {
    return {ErrorKind::NotRegularFile, QStringLiteral("通常のファイルではありません")};
}

Error cannotOpen() {
    return {ErrorKind::CannotOpen, QStringLiteral("ファイルを開けません")};
}

Error cannotRead() {
    return {ErrorKind::CannotRead, QStringLiteral("ファイルを読めません")};
}

Error fileEmpty() {
    return {ErrorKind::FileEmpty, QStringLiteral("ファイルが空です")};
}

Error fileTooLarge() {
    return {ErrorKind::FileTooLarge, QStringLiteral("ファイルが大きすぎます")};
}

Error unsupportedKind() {
    return {ErrorKind::Unsupported, QStringLiteral("対応していない形式です")};
}

Error damagedPicture() {
    return {ErrorKind::Damaged, QStringLiteral("画像ファイルが壊れています")};
}

Error pictureTooLarge() {
    return {ErrorKind::PictureTooLarge, QStringLiteral("画像が大きすぎます")};
}

Error pictureTooLarge(qint64 width, qint64 height) {
    return {ErrorKind::PictureTooLarge,
            QStringLiteral("画像が大きすぎます (%1x%2)").arg(width).arg(height)};
}

Error noPicture() {
    return {ErrorKind::NothingToWrite, QStringLiteral("画像がありません")};
}

Error notJpeg() {
    return {ErrorKind::NotThatKind, QStringLiteral("JPEGファイルではありません")};
}

Error unsupportedJpeg() {
    return {ErrorKind::Unsupported, QStringLiteral("対応していないJPEG形式です")};
}

Error jpegCutOff() {
    return {ErrorKind::CutOff, QStringLiteral("JPEGファイルが途中で切れています")};
}

Error damagedJpeg() {
    return {ErrorKind::Damaged, QStringLiteral("JPEGファイルが壊れています")};
}

Error jpegNotWritten() {
    return {ErrorKind::Unexpected, QStringLiteral("JPEGファイルを作れません")};
}

Error badRowRequest() {
    return {ErrorKind::Unexpected, QStringLiteral("読み込む行の指定が正しくありません")};
}

Error notBmp() {
    return {ErrorKind::NotThatKind, QStringLiteral("BMPファイルではありません")};
}

Error bmpCutOff() {
    return {ErrorKind::CutOff, QStringLiteral("BMPファイルが途中で切れています")};
}

Error damagedBmp() {
    return {ErrorKind::Damaged, QStringLiteral("BMPファイルが壊れています")};
}

Error folderMissing() {
    return {ErrorKind::FolderMissing, QStringLiteral("保存先のフォルダが見当たりません")};
}

Error writeFailed() {
    return {ErrorKind::WriteFailed, QStringLiteral("ファイルを書き込めません")};
}

Error diskFull() {
    return {ErrorKind::DiskFull, QStringLiteral("保存先の空き容量が足りません")};
}

Error nameTaken() {
    return {ErrorKind::NameTaken, QStringLiteral("同名ファイルがあります")};
}

Error cannotRename() {
    return {ErrorKind::CannotRename, QStringLiteral("名前を変更できません")};
}

Error copyOntoItself() {
    return {ErrorKind::SameFile, QStringLiteral("同じファイルにはコピーできません")};
}

}  // namespace imaging::errors
