#pragma once

#include "model/Settings.h"
#include "model/ThumbnailSide.h"

#include <QWidget>

class NoticeBox;
class NumberEdit;
class QFrame;
class QLabel;
class QPushButton;

// The settings dialog: thumbnail size and the tolerance of the automatic
// selection. The settings are what its two boxes hold, typed or not yet
// confirmed: it reports every change of their texts (textsChanged), and
// cancel (or an empty size at OK) gives the size box back the text it had
// when the dialog opened.
class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinThumbnail = model::kMinThumbnailSide;
    static constexpr int kMaxThumbnail = model::kMaxThumbnailSide;
    static constexpr int kMaxTolerance = model::kMaxTolerance;

    explicit SettingsDialog(NoticeBox& notices);

    // Shows the dialog with OK focused.
    void open();
    // Fills both boxes, as typing would (each box keeps its rules).
    void setTexts(const QString& thumbnailSize, const QString& tolerance);

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

signals:
    // The text of either box has changed.
    void textsChanged(const QString& thumbnailSize, const QString& tolerance);
    // The dialog has closed (OK or cancel).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void closeDialog();
    void reportTexts();

    NoticeBox& notices_;
    // The size box's text when the dialog was opened.
    QString sizeAtOpening_;
};
