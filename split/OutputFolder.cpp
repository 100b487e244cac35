#include "split/OutputFolder.h"

#include "imaging/FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace split {

namespace {

// "/" everywhere, and "\" only where the platform separates folders with
// it: on Linux "\" is an ordinary character of a folder's name.
bool isSeparator(QChar c) {
    return c == u'/' || c == QDir::separator();
}

}  // namespace

QString lastFolderName(const QString& folder) {
    qsizetype end = folder.size();
    while (end > 0 && isSeparator(folder[end - 1])) {
        --end;
    }
    qsizetype start = end;
    while (start > 0 && !isSeparator(folder[start - 1])) {
        --start;
    }
    return folder.mid(start, end - start);
}

QString realFolderPath(const QString& folder) {
    if (folder.isEmpty()) {
        return folder;
    }
    const QFileInfo info(folder);
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : real;
}

QString outputFolderFor(const QString& destination, const QString& sourceFolder,
                        bool sourceNamedSubfolder) {
    if (!sourceNamedSubfolder) {
        return destination;
    }
    const QString name = lastFolderName(realFolderPath(sourceFolder));
    if (name.isEmpty()) {
        return destination;
    }
    return imaging::joinPath(destination, name);
}

bool ensureFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isDir()) {
        return true;
    }
    if (info.exists()) {
        return false;  // a file of that name is in the way
    }
    const QFileInfo absolute(info.absoluteFilePath());
    return QDir(absolute.path()).mkdir(absolute.fileName()) || QFileInfo(folder).isDir();
}

}  // namespace split
