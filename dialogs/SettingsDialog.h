#pragma once

#include "model/ThumbnailSide.h"

#include <QWidget>

class NumberEdit;
class QFrame;
class QLabel;
class QPushButton;
struct Windows;

// The settings dialog: thumbnail size and the tolerance of the automatic
// selection. Its two boxes are the settings themselves.
class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinThumbnail = model::kMinThumbnailSide;
    static constexpr int kMaxThumbnail = model::kMaxThumbnailSide;
    static constexpr int kMaxTolerance = 990;

    // The texts of the two boxes, as the settings file keeps them.
    struct OptionTexts {
        QString thumbnailSize;
        QString tolerance;
    };

    explicit SettingsDialog(Windows& windows);

    // Shows the dialog with OK focused; cancel (and an empty size at OK)
    // gives the size box back the text it has now.
    void open();

    // The boxes as they are now, typed or not yet confirmed.
    QString thumbnailSizeText() const;
    QString toleranceText() const;
    OptionTexts optionTexts() const;
    // Fills both boxes; each runs its change handling, as typing would.
    void setOptionTexts(const OptionTexts& texts);

    QFrame* thumbnailSizeGroup = nullptr;
    QLabel* thumbnailSizeLabel = nullptr;
    NumberEdit* thumbnailSizeEdit = nullptr;
    QPushButton* thumbnailSizeUpButton = nullptr;
    QPushButton* thumbnailSizeDownButton = nullptr;
    QFrame* toleranceGroup = nullptr;
    QLabel* toleranceLabel = nullptr;
    QLabel* plusMinusLabel = nullptr;
    NumberEdit* toleranceEdit = nullptr;
    QPushButton* toleranceUpButton = nullptr;
    QPushButton* toleranceDownButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // OK: an empty tolerance becomes 10; a size outside 20..150 is refused
    // with a notice, otherwise the dialog closes.
    void confirm();
    void cancel();
    void increaseThumbnailSize();
    void decreaseThumbnailSize();
    void increaseTolerance();
    void decreaseTolerance();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void closeDialog();

    Windows& windows_;
    // The size box's text when the dialog was opened.
    QString sizeAtOpening_;
};
