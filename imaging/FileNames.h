#pragma once

#include <QString>

namespace imaging {

// The name without its extension: everything from the last "." on is
// removed; a name without a dot stays whole ("a.b.jpg" gives "a.b").
QString baseNameOf(const QString& fileName);

// The extension from the last "." on, dot included, or empty.
QString extensionOf(const QString& fileName);

// Joins a folder and a file name with the platform separator.
QString joinPath(const QString& folder, const QString& name);

}  // namespace imaging
