#include "program/StartFolder.h"

#include <QDir>

namespace program {

QString configFolderPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir(QDir::homePath()).filePath(QStringLiteral(".config"));
    return QDir(base).filePath(QStringLiteral("quillfold"));
}

bool enterFolder(const QString& folder) {
    return QDir().mkpath(folder) && QDir::setCurrent(folder);
}

}  // namespace program
