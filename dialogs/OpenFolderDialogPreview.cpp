// The open-folder dialog's preview of the selected file.
#include "dialogs/OpenFolderDialog.h"

#include "dialogs/NoticeBox.h"
#include "widgets/AppState.h"
#include "widgets/WindowPorts.h"

#include <QFileInfo>

void OpenFolderDialog::openPreviewOfSelected() {
    const int entry = selectedIndex();
    if (entry < 0) {
        return;
    }
    const QString path = entryPath(entry);
    // An open preview keeps its previous picture until the notice's OK closes it.
    if (!QFileInfo(path).isFile()) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::OpenFolderDialog, this,
                                   QStringLiteral("ファイルが見当たりません"));
        return;
    }
    QString error;
    if (!windows_.trimming->showPreview(path, fileName(entry), &error)) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::OpenFolderDialog, this, error);
        return;
    }
    setEnabled(false);
}
