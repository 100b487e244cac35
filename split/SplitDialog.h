#pragma once

#include "core/WindowPorts.h"
#include "split/BatchFailures.h"
#include "split/ItemPrefetch.h"
#include "split/ProtectedFiles.h"
#include "split/SplitOptions.h"

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

// The split dialog: the options of a batch split job, and the batch itself.
// OK starts the batch, which then handles one catalogue item per tick of
// Timer1 with the notice box as its progress window.
class SplitDialog : public QWidget, public SplitDialogPort {
    Q_OBJECT
public:
    SplitDialog(AppState& state, Windows& windows);
    ~SplitDialog() override;

    QWidget& window() override { return *this; }
    void stopBatch() override;
    void setDestination(const QString& folder) override;

    // Opens the completion sound from `fileName`; without a file the player
    // stays unopened and the batch ends silently.
    void openCompletionSound(const QString& fileName);
    bool completionSoundOpened() const;

    // --- handlers ---
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void CheckBox7Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void Timer1Timer();

    // Margin removal and quarter turn of part 1 (ScratchBitmap) or part 2
    // (ScratchBitmap2), with the threshold, kept margin and direction the
    // dialog shows now. A part that does not exist is left alone.
    void YOHAKU(int PartNumber);
    void KAITEN(int PartNumber);

    // The options the controls show, as the batch takes them at OK.
    split::SplitOptions optionsFromControls() const;
    // Whether a batch is running (between OK and its end or cancel).
    bool batchRunning() const { return batch_ != nullptr; }

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;

    QGroupBox* Panel2 = nullptr;
    NumberEdit* Edit2 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;

    QFrame* Panel8 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QLabel* Label4 = nullptr;
    NumberEdit* Edit5 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;

    QFrame* Panel7 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QLabel* Label2 = nullptr;
    NumberEdit* Edit3 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QLabel* Label3 = nullptr;
    NumberEdit* Edit4 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;

    QFrame* Panel9 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Image6 = nullptr;

    QCheckBox* CheckBox7 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    QSoundEffect* MediaPlayer1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What a running batch keeps between its ticks.
    struct Batch {
        Batch(const split::SplitOptions& options, const QString& outputFolder,
              const QStringList& sourcePaths);
        const split::SplitOptions options;
        const split::ProtectedFiles sources;
        split::ItemPrefetch prefetch;
        split::BatchFailures failures;
    };

    void buildDestination();
    void buildOptionChecks();
    void buildSplitMethod();
    void buildQuality();
    void buildCentre();
    void buildMargins();
    void buildTurn();
    void buildButtons();
    void connectHandlers();

    void restoreDefaultTexts();
    void returnToMainWindow();
    split::SplitItem catalogueItem(int index) const;
    int lastCatalogueIndex() const;
    // Keeps the items from `index` on in work on worker threads.
    void workAheadFrom(int index);
    void finishBatch();

    AppState& state_;
    Windows& windows_;
    std::unique_ptr<Batch> batch_;
};
