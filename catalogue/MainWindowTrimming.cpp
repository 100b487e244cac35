// Opening the trimming view on the current catalogue item.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/ListSelection.h"
#include "dialogs/NoticeBox.h"
#include "imaging/FileNames.h"
#include "trimming/TrimmingView.h"
#include "widgets/AppState.h"

#include <QFileInfo>

namespace {

const QString kFileMissing = QStringLiteral("ファイルが見当たりません");

}  // namespace

void MainWindow::openTrimmingView() {
    if (isBusy() || listItemIndex(*catalogueList_) < 0) {
        return;
    }
    const QListWidgetItem* item =
        state_.CurrentIndex >= 0 ? catalogueList_->item(state_.CurrentIndex) : nullptr;
    if (item == nullptr) {
        return;
    }
    const QString caption = item->text();
    const QString path = imaging::joinPath(state_.CurrentFolder, caption);
    // An open view keeps its previous picture (its frame already erased by
    // the step that got here) until the notice's OK closes it.
    if (!QFileInfo(path).isFile()) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this, kFileMissing);
        return;
    }
    QString error;
    if (!windows_.trimmingView->showItem(path, caption, &error)) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this, error);
        return;
    }
    setEnabled(false);
}
