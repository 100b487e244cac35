#pragma once

#include <QString>

namespace program {

// The folder a start from the desktop menu runs in, so that Quillfold.ini
// is kept there and not in the home folder: $XDG_CONFIG_HOME/quillfold,
// or ~/.config/quillfold when XDG_CONFIG_HOME is unset, empty or not an
// absolute path (the XDG base directory rules).
QString configFolderPath();

// Makes `folder` (and any missing parent) and then the current folder;
// false when either fails.
bool enterFolder(const QString& folder);

}  // namespace program
