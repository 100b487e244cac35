#pragma once

#include "app/Windows.h"

#include <QWidget>

class NumberEdit;
class QLineEdit;
class QPushButton;
class QSoundEffect;
class QTimer;
struct AppState;

// The split dialog: the options of a batch split job, and the batch itself.
class TForm3 : public QWidget, public SplitDialogPort {
    Q_OBJECT
public:
    TForm3(AppState& state, Windows& windows);

    QWidget& window() override { return *this; }
    void stopBatch() override;
    void setDestination(const QString& folder) override;

    // Opens the completion sound from `fileName`; without a file the player
    // stays unopened and the batch ends silently.
    void openCompletionSound(const QString& fileName);
    bool completionSoundOpened() const;

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
    NumberEdit* Edit2 = nullptr;
    NumberEdit* Edit3 = nullptr;
    NumberEdit* Edit4 = nullptr;
    NumberEdit* Edit5 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
    QSoundEffect* MediaPlayer1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppState& state_;
    Windows& windows_;
};
