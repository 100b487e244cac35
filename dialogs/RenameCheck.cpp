#include "dialogs/RenameCheck.h"

#include "dialogs/RenameRules.h"
#include "imaging/FileCommit.h"
#include "imaging/FileNames.h"

#include <QFileInfo>

namespace dialogs {

RenameCheck checkRename(const QString& folder, const QString& oldName, const QString& newName) {
    RenameCheck check;
    if (!isAcceptableNewName(newName)) {
        check.nameRefused = true;
        return check;
    }
    const QFileInfo target(imaging::joinPath(folder, newName));
    // A folder or a dangling link of that name blocks the rename as a file does.
    check.nameTaken = target.exists() || target.isSymLink();
    check.fileMissing =
        oldName.isEmpty() || !QFileInfo(imaging::joinPath(folder, oldName)).isFile();
    return check;
}

core::Status renameChecked(const QString& folder, const QString& oldName, const QString& newName) {
    const core::Status renamed = imaging::renameNoReplace(imaging::joinPath(folder, oldName),
                                                          imaging::joinPath(folder, newName));
    if (renamed || renamed.kind() == core::ErrorKind::NameTaken ||
        renamed.kind() == core::ErrorKind::FileMissing) {
        return renamed;
    }
    return nameRefused();
}

}  // namespace dialogs
