#pragma once

#include "model/SplitOptions.h"
#include "split/SplitBatch.h"
#include "widgets/WindowPorts.h"

#include <QWidget>

#include <memory>

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
struct AppState;

// The split dialog: the options of a batch split job. OK hands them to a
// split::SplitBatch over the catalogue and hides the dialog; the batch then
// commits one item per tick of batchTimer, with the notice box showing its
// progress and its end.
class SplitDialog : public QWidget, public SplitDialogPort {
    Q_OBJECT
public:
    // The four option boxes the settings file keeps, as typed.
    struct OptionTexts {
        QString quality;
        QString threshold;
        QString keptMargin;
        QString centreWidth;
    };

    SplitDialog(AppState& state, Windows& windows);
    ~SplitDialog() override;

    // --- what other windows ask of the dialog ---
    QWidget& window() override { return *this; }
    // Shows the dialog in front with the focus on キャンセル.
    void open();
    void stopBatch() override;
    void setDestination(const QString& folder) override;
    OptionTexts optionTexts() const;
    // Sets the boxes as typing would (each box keeps its own rules).
    void setOptionTexts(const OptionTexts& texts);
    // Opens the completion sound from `fileName`; without a file the player
    // stays unopened and the batch ends silently.
    void openCompletionSound(const QString& fileName);
    bool completionSoundOpened() const;

    // The options the controls show, as the batch takes them at OK.
    split::SplitOptions optionsFromControls() const;
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

    QCheckBox* hintsBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    QSoundEffect* completionSound = nullptr;
    QTimer* batchTimer = nullptr;

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

    void restoreDefaultTexts();
    void returnToMainWindow();
    std::vector<split::SplitItem> catalogueItems() const;
    void finishBatch();

    AppState& state_;
    Windows& windows_;
    std::unique_ptr<split::SplitBatch> batch_;
};
