#pragma once

#include "core/Error.h"

#include <QString>

namespace dialogs {

// Renaming file `oldName` of `folder` to `newName`, as the rename dialog's
// OK does it: first every check, then the rename itself, which never
// replaces an existing file.

// What the checks found. A refused name is reported alone: a path built
// from it (a separator, "..") would point outside the folder, so nothing
// else is looked at then.
struct RenameCheck {
    bool nameRefused = false;  // the name breaks the rules of isAcceptableNewName
    bool nameTaken = false;    // something of the new name is already there
    bool fileMissing = false;  // no file of the old name
    bool ready() const { return !nameRefused && !nameTaken && !fileMissing; }
};

RenameCheck checkRename(const QString& folder, const QString& oldName, const QString& newName);

// Renames after a check that was ready. The error says why not: NameTaken
// when a file of the new name appeared since the check (it is never
// replaced), FileMissing when the file went away, nameRefused() for any
// other failure.
core::Status renameChecked(const QString& folder, const QString& oldName, const QString& newName);

}  // namespace dialogs
