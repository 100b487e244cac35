#include "model/SettingsFile.h"

#include "imaging/FileCommit.h"
#include "imaging/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

std::optional<struct stat> statusOf(const QString& path, bool followLink) {
    struct stat status {};
    const QByteArray name = QFile::encodeName(path);
    const int result =
        followLink ? ::stat(name.constData(), &status) : ::lstat(name.constData(), &status);
    if (result != 0) {
        return std::nullopt;
    }
    return status;
}

}  // namespace

SettingsFile SettingsFile::read(const QString& path) {
    SettingsFile file(path);
    const auto entry = statusOf(path, false);
    if (!entry) {
        return file;
    }
    file.entry_ = FileId{entry->st_dev, entry->st_ino};
    const auto target = statusOf(path, true);
    if (target && S_ISDIR(target->st_mode) && !S_ISLNK(entry->st_mode)) {
        file.found_ = Found::Folder;
        return file;
    }
    file.found_ = Found::Foreign;
    auto opened = imaging::RegularFile::open(path);
    struct stat read {};
    if (!opened || ::fstat(opened->handle(), &read) != 0) {
        return file;
    }
    QByteArray bytes(opened->size(), Qt::Uninitialized);
    const qint64 length = opened.value().read(bytes.data(), bytes.size());
    if (length < 0) {
        return file;
    }
    bytes.truncate(length);
    SettingsParse parsed = parseSettings(bytes);
    if (parsed.badLine == 1) {
        return file;
    }
    file.found_ = Found::Settings;
    file.parsed_ = std::move(parsed);
    if (S_ISLNK(entry->st_mode)) {
        file.linkTarget_ = QFileInfo(path).canonicalFilePath();
        file.linkTargetFile_ = FileId{read.st_dev, read.st_ino};
    }
    return file;
}

QString SettingsFile::keptAsidePath() const {
    return path_ + QStringLiteral(".bak");
}

core::Status SettingsFile::write(const QByteArray& bytes) const {
    const auto entry = statusOf(path_, false);
    if (!entry || S_ISDIR(entry->st_mode)) {
        return imaging::commitFile(path_, bytes);
    }
    const bool sameEntry = entry_ && *entry_ == FileId{entry->st_dev, entry->st_ino};
    if (sameEntry && found_ == Found::Settings) {
        return linkTarget_.isEmpty() ? imaging::commitFile(path_, bytes) : writeThroughLink(bytes);
    }
    if (sameEntry && found_ == Found::Foreign) {
        return keepAsideAndWrite(bytes);
    }
    // Something that came meanwhile: a file is replaced, anything else
    // kept.
    return S_ISREG(entry->st_mode) ? imaging::commitFile(path_, bytes) : keepAsideAndWrite(bytes);
}

core::Status SettingsFile::writeThroughLink(const QByteArray& bytes) const {
    // Only while the link still leads to the file that was read, and the
    // path written is that file itself, not another link.
    const auto followed = statusOf(path_, true);
    const auto atTarget = statusOf(linkTarget_, false);
    const FileId read = *linkTargetFile_;
    if (followed && atTarget && S_ISREG(atTarget->st_mode) &&
        FileId{followed->st_dev, followed->st_ino} == read &&
        FileId{atTarget->st_dev, atTarget->st_ino} == read) {
        return imaging::commitFile(linkTarget_, bytes);
    }
    return keepAsideAndWrite(bytes);
}

core::Status SettingsFile::keepAsideAndWrite(const QByteArray& bytes) const {
    if (const core::Status moved = imaging::renameNoReplace(path_, keptAsidePath()); !moved) {
        return core::Error{moved.kind(),
                           QCoreApplication::translate("model", "%1 cannot be kept as %2 (%3)")
                               .arg(QFileInfo(path_).fileName(),
                                    QFileInfo(keptAsidePath()).fileName(), moved.error().message)};
    }
    return imaging::commitFile(path_, bytes);
}
