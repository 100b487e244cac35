// Automatic selection: every picture of the sample's pixel size, within the
// settings dialog's tolerance, is selected and every other one unselected.
#include "catalogue/MainWindow.h"

#include "catalogue/StatusTexts.h"
#include "dialogs/NoticeBox.h"
#include "model/AutoSelect.h"
#include "model/CatalogueModel.h"

namespace {

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

}  // namespace

void MainWindow::selectBySample() {
    if (isBusy() || catalogue_.count() == 0)
        return;
    if (catalogue_.selectedCount() != 1) {
        notices_.notify(this, tr("Select one picture as the sample."));
        return;
    }
    // The current item is the sample. Right after an inversion nothing is
    // current; the one selected picture is the sample then.
    const int current = catalogue_.current();
    const int sample =
        current >= 0 && current < catalogue_.count() ? current : catalogue_.lowestSelected();

    model::AutoSelection result;
    {
        const DisabledWindow disabled(*this);
        result = model::autoSelect(catalogue_.folder(), catalogue_.fileNames(), sample, tolerance_);
        if (result.outcome == model::AutoSelection::Outcome::Done) {
            catalogue_.applyVerdicts(result.verdicts);
        }
    }
    if (result.outcome == model::AutoSelection::Outcome::SampleUnreadable) {
        notices_.notify(this, tr("The sample picture cannot be read"));
    } else if (result.unreadableCount > 0) {
        setStatusText(1, catalogue::unreadableFilesText(result.unreadableCount));
    }
}
