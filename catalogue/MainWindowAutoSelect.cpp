// Automatic selection: every picture of the sample's pixel size, within the
// settings dialog's tolerance, is selected and every other one unselected.
#include "catalogue/MainWindow.h"

#include "catalogue/AutoSelect.h"
#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "core/AppState.h"
#include "core/NumberEdit.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"

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
void applyVerdicts(QListWidget& list, const std::vector<catalogue::SelectionVerdict>& verdicts) {
    QItemSelection toSelect;
    QItemSelection toUnselect;
    const int rows = std::min(static_cast<int>(verdicts.size()), list.count());
    int runStart = 0;
    for (int row = 1; row <= rows; ++row) {
        if (row < rows && verdicts[row] == verdicts[runStart])
            continue;
        const QItemSelectionRange run(list.model()->index(runStart, 0),
                                      list.model()->index(row - 1, 0));
        if (verdicts[runStart] == catalogue::SelectionVerdict::Select)
            toSelect.append(run);
        if (verdicts[runStart] == catalogue::SelectionVerdict::Unselect)
            toUnselect.append(run);
        runStart = row;
    }
    list.selectionModel()->select(toUnselect, QItemSelectionModel::Deselect);
    list.selectionModel()->select(toSelect, QItemSelectionModel::Select);
}

}  // namespace

void MainWindow::G1Click() {
    if (isBusy() || List->count() == 0)
        return;
    const QModelIndexList selected = List->selectionModel()->selectedIndexes();
    if (selected.size() != 1) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this, kOneSampleNotice);
        return;
    }
    // The current item is the sample. Right after an inversion nothing is
    // current; the one selected picture is the sample then.
    const int sample = state_.CurrentIndex >= 0 && state_.CurrentIndex < List->count()
                           ? state_.CurrentIndex
                           : selected.first().row();
    const int tolerance = catalogue::toleranceFromText(windows_.settingsDialog->Edit2->text());
    state_.WorkNumber = tolerance;
    state_.WorkIndex = 0;
    QStringList captions;
    captions.reserve(List->count());
    for (int row = 0; row < List->count(); ++row)
        captions.append(List->item(row)->text());

    catalogue::AutoSelection result;
    {
        const DisabledWindow disabled(*this);
        result = catalogue::autoSelect(state_.CurrentFolder, captions, sample, tolerance);
        if (result.outcome == catalogue::AutoSelection::Outcome::Done) {
            applyVerdicts(*List, result.verdicts);
        }
    }
    state_.WorkIndex = List->count();
    if (result.outcome == catalogue::AutoSelection::Outcome::SampleUnreadable) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this, kSampleUnreadableNotice);
    } else if (result.unreadableCount > 0) {
        setStatusText(1, catalogue::unreadableFilesText(result.unreadableCount));
    }
}
