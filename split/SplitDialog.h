#pragma once

#include "model/Settings.h"
#include "model/SplitOptions.h"
#include "split/SplitBatch.h"

#include <QWidget>

#include <memory>

class FolderChooser;
class NoticeBox;
class NumberEdit;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSoundEffect;
class QTimer;
class RadioGroup;
namespace model {
class CatalogueModel;
}

// The split dialog: the options of a batch split job. OK hands them to a
// split::SplitBatch over the catalogue's items and hides the dialog; the
// batch then commits one item per tick of batchTimer, with the notice box
// showing its progress and its end. The dialog is done (closed()) when it
// is cancelled or closed, or when the batch's notice is acknowledged.
class SplitDialog : public QWidget {
    Q_OBJECT
public:
    SplitDialog(model::CatalogueModel& catalogue, NoticeBox& notices, FolderChooser& chooser);
    ~SplitDialog() override;

    // Shows the dialog in front with the focus on キャンセル.
    void open();
    // Stops a running batch before its next item.
    void stopBatch();
    // The destination folder box.
    void setDestination(const QString& folder);
    // The four number boxes the settings keep, as they hold their texts.
    model::SplitBoxes boxes() const;
    // Sets the boxes as typing would (each box keeps its own rules).
    void setBoxes(const model::SplitBoxes& boxes);
    // The added options' controls, which the settings keep apart.
    model::AddedOptions addedOptions() const;
    void setAddedOptions(const model::AddedOptions& added);
    // Every control from `options`.
    void setOptions(const split::SplitOptions& options);
    // Opens the completion sound from `fileName`; without a file the player
    // stays unopened and the batch ends silently.
    void openCompletionSound(const QString& fileName);
    bool completionSoundOpened() const;

    // The options the controls show, as the batch takes them at OK.
    split::SplitOptions options() const;
    // The batch between OK and its end or cancel; null when none runs.
    const split::SplitBatch* runningBatch() const { return batch_.get(); }
    bool batchRunning() const { return batch_ != nullptr; }

    // --- handlers ---
    // OK: starts the batch when the destination folder exists.
    void startBatch();
    // キャンセル: hides the dialog and gives the main window back.
    void cancel();
    void browseDestination();
    // A tick of batchTimer: commits the next item once its work is done.
    void commitNextItem();

    QLabel* destinationLabel = nullptr;
    QLineEdit* destinationEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QCheckBox* sourceNamedSubfolderBox = nullptr;
    QCheckBox* copyUnselectedBox = nullptr;
    QCheckBox* resaveUnselectedBox = nullptr;
    QCheckBox* soundOnCompletionBox = nullptr;
    RadioGroup* splitMethodGroup = nullptr;
    RadioGroup* formatGroup = nullptr;
    // The page order each arrow of splitMethodGroup gives.
    QLabel* rightOrderPicture = nullptr;
    QLabel* leftOrderPicture = nullptr;
    QLabel* downOrderPicture = nullptr;
    QLabel* upOrderPicture = nullptr;

    QGroupBox* qualityPanel = nullptr;
    NumberEdit* qualityEdit = nullptr;
    QPushButton* qualityUpButton = nullptr;
    QPushButton* qualityDownButton = nullptr;

    QFrame* centrePanel = nullptr;
    QCheckBox* removeCentreBox = nullptr;
    QLabel* centreWidthLabel = nullptr;
    NumberEdit* centreWidthEdit = nullptr;
    QPushButton* centreWidthUpButton = nullptr;
    QPushButton* centreWidthDownButton = nullptr;

    QFrame* marginsPanel = nullptr;
    QCheckBox* removeMarginsBox = nullptr;
    QLabel* thresholdLabel = nullptr;
    NumberEdit* thresholdEdit = nullptr;
    QPushButton* thresholdUpButton = nullptr;
    QPushButton* thresholdDownButton = nullptr;
    QLabel* keptMarginLabel = nullptr;
    NumberEdit* keptMarginEdit = nullptr;
    QPushButton* keptMarginUpButton = nullptr;
    QPushButton* keptMarginDownButton = nullptr;

    QFrame* turnPanel = nullptr;
    QCheckBox* turnBox = nullptr;
    QRadioButton* turnLeftButton = nullptr;
    QRadioButton* turnRightButton = nullptr;
    QLabel* turnLeftPicture = nullptr;
    QLabel* turnRightPicture = nullptr;

    // Below the designed controls: the options added since.
    QFrame* addedPanel = nullptr;
    QCheckBox* losslessBox = nullptr;
    QCheckBox* deskewBox = nullptr;
    QLabel* deskewCapLabel = nullptr;
    NumberEdit* deskewCapEdit = nullptr;
    QCheckBox* gutterBox = nullptr;

    QCheckBox* hintsBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    QSoundEffect* completionSound = nullptr;
    QTimer* batchTimer = nullptr;

signals:
    // The text of a number box has changed.
    void boxesChanged(const model::SplitBoxes& boxes);
    // An added option has changed.
    void addedOptionsChanged(const model::AddedOptions& added);
    // The dialog is done and gives control back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildDestination();
    void buildOptionChecks();
    void buildSplitMethod();
    void buildQuality();
    void buildCentre();
    void buildMargins();
    void buildTurn();
    void buildButtons();
    void buildAddedOptions();
    void setHints();
    void connectHandlers();

    // The interlocks between the controls.
    void untickResaveWhenCopying();
    void untickCopyWhenResaving();
    void enableMarginControls();
    void enableCentreControls();
    void enableTurnDirections();
    void showHints();
    void enableCentreForSplitMethod();
    void enableQualityForFormat();
    void enableDeskewCap();
    // The cap the deskew box asks for, in whole degrees.
    int deskewCap() const;

    void restoreDefaultTexts();
    // Cancel and close: the item the status bar names is selected again.
    void returnToCatalogue();
    std::vector<split::SplitItem> catalogueItems() const;
    void finishBatch();

    model::CatalogueModel& catalogue_;
    NoticeBox& notices_;
    FolderChooser& chooser_;
    std::unique_ptr<split::SplitBatch> batch_;
};
