// Automatic selection: every picture of the sample's pixel size, within the
// settings dialog's tolerance, is selected and every other one unselected.
#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"
#include "model/AutoSelect.h"
#include "widgets/AppState.h"

#include <QItemSelection>
#include <QItemSelectionModel>

namespace {

const QString kOneSampleNotice = QStringLiteral("見本を１つ選択して下さい。");
const QString kSampleUnreadableNotice = QStringLiteral("見本の画像を読み込めません");

// Keeps a window disabled for the lifetime of the guard, whichever way the
// scope is left.
class DisabledWindow {
public:
    explicit DisabledWindow(QWidget& window) : window_(window) { window_.setEnabled(false); }
    ~DisabledWindow() { window_.setEnabled(true); }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

private:
    QWidget& window_;
};

// Applies the verdicts in two selection changes (runs of rows merged), so a
// large catalogue is not redrawn item by item. The focused item stays.
void applyVerdicts(QListWidget& list, const std::vector<model::SelectionVerdict>& verdicts) {
    QItemSelection toSelect;
    QItemSelection toUnselect;
    const int rows = std::min(static_cast<int>(verdicts.size()), list.count());
    int runStart = 0;
    for (int row = 1; row <= rows; ++row) {
        if (row < rows && verdicts[row] == verdicts[runStart])
            continue;
        const QItemSelectionRange run(list.model()->index(runStart, 0),
                                      list.model()->index(row - 1, 0));
        if (verdicts[runStart] == model::SelectionVerdict::Select)
            toSelect.append(run);
        if (verdicts[runStart] == model::SelectionVerdict::Unselect)
            toUnselect.append(run);
        runStart = row;
    }
    list.selectionModel()->select(toUnselect, QItemSelectionModel::Deselect);
    list.selectionModel()->select(toSelect, QItemSelectionModel::Select);
}

}  // namespace

void MainWindow::selectBySample() {
    CatalogueList& list = *catalogueList_;
    if (isBusy() || list.count() == 0)
        return;
    const QModelIndexList selected = list.selectionModel()->selectedIndexes();
    if (selected.size() != 1) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this, kOneSampleNotice);
        return;
    }
    // The current item is the sample. Right after an inversion nothing is
    // current; the one selected picture is the sample then.
    const int sample = state_.CurrentIndex >= 0 && state_.CurrentIndex < list.count()
                           ? state_.CurrentIndex
                           : selected.first().row();
    const int tolerance = model::toleranceFromText(windows_.settingsDialog->toleranceText());
    QStringList captions;
    captions.reserve(list.count());
    for (int row = 0; row < list.count(); ++row)
        captions.append(list.item(row)->text());

    model::AutoSelection result;
    {
        const DisabledWindow disabled(*this);
        result = model::autoSelect(state_.CurrentFolder, captions, sample, tolerance);
        if (result.outcome == model::AutoSelection::Outcome::Done) {
            applyVerdicts(list, result.verdicts);
        }
    }
    if (result.outcome == model::AutoSelection::Outcome::SampleUnreadable) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this, kSampleUnreadableNotice);
    } else if (result.unreadableCount > 0) {
        setStatusText(1, catalogue::unreadableFilesText(result.unreadableCount));
    }
}
