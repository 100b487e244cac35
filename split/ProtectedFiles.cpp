#include "split/ProtectedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

#include <sys/stat.h>

namespace split {

namespace {

std::optional<std::pair<std::uint64_t, std::uint64_t>> fileIdOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return std::pair<std::uint64_t, std::uint64_t>(status.st_dev, status.st_ino);
}

QString cleanAbsolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

ProtectedFiles::ProtectedFiles(const QStringList& sourcePaths) {
    for (const QString& path : sourcePaths) {
        paths_.insert(cleanAbsolute(path));
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty()) {
            paths_.insert(canonical);
        }
        if (const auto id = fileIdOf(path)) {
            files_.insert(*id);
        }
    }
}

bool ProtectedFiles::protects(const QString& path) const {
    if (paths_.isEmpty()) {
        return false;
    }
    if (paths_.contains(cleanAbsolute(path))) {
        return true;
    }
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && paths_.contains(canonical)) {
        return true;
    }
    const auto id = fileIdOf(path);
    return id && files_.contains(*id);
}

}  // namespace split
