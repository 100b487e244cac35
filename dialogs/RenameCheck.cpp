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

std::optional<QString> renameChecked(const QString& folder, const QString& oldName,
                                     const QString& newName) {
    const core::Status renamed = imaging::renameNoReplace(imaging::joinPath(folder, oldName),
                                                             imaging::joinPath(folder, newName));
    if (renamed) {
        return std::nullopt;
    }
    // The file layer words these two cases as the dialog's own notices.
    const QString& reason = renamed.error().message;
    if (reason == kNameTakenNotice || reason == kFileMissingNotice) {
        return reason;
    }
    return kForbiddenNameNotice;
}

}  // namespace dialogs
