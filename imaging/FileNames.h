#pragma once

#include <QString>

namespace imaging {

// The name without its extension: everything from the last "." on is
// removed; a name without a dot stays whole ("a.b.jpg" gives "a.b"). Given a
// path, only a dot after the last "/" counts ("x.d/a" has no extension).
QString baseNameOf(const QString& fileName);

// The extension from the last "." on, dot included, or empty.
QString extensionOf(const QString& fileName);

// Joins a folder and a file name with "/", Qt's separator on every
// platform, without doubling one the folder already ends with ("/" and
// "/a" + "b" give "/b" and "/a/b"); an empty folder gives the name.
QString joinPath(const QString& folder, const QString& name);

// The process's current directory as a path that leads back to it:
// QDir::currentPath() when the path is valid UTF-8, otherwise ".". Qt
// decodes a name that is not UTF-8 with replacement characters, and that
// path would name another folder (or none).
QString currentFolderPath();

}  // namespace imaging
