#include "imaging/FileNames.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace imaging {
namespace {

// Position of the dot that starts the extension, or -1. A dot inside a
// folder name of a path does not count.
qsizetype extensionDot(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator = fileName.lastIndexOf(QLatin1Char('/'));
    return dot > separator ? dot : -1;
}

}  // namespace

QString baseNameOf(const QString& fileName) {
    const qsizetype dot = extensionDot(fileName);
    return dot < 0 ? fileName : fileName.left(dot);
}

QString extensionOf(const QString& fileName) {
    const qsizetype dot = extensionDot(fileName);
    return dot < 0 ? QString() : fileName.mid(dot);
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) {
        return name;
    }
    if (folder.endsWith(QLatin1Char('/'))) {
        return folder + name;
    }
    return folder + QLatin1Char('/') + name;
}

QString currentFolderPath() {
    const QString decoded = QDir::currentPath();
    std::error_code error;
    const std::filesystem::path actual = std::filesystem::current_path(error);
    if (error || decoded.isEmpty() || QFile::encodeName(decoded) != actual.native().c_str()) {
        return QStringLiteral(".");
    }
    return decoded;
}

}  // namespace imaging
