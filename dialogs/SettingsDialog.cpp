#include "dialogs/SettingsDialog.h"

#include "dialogs/NoticeBox.h"
#include "widgets/FormLook.h"
#include "widgets/Hints.h"
#include "widgets/NumberEdit.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QFrame* groupPanel(QWidget* parent, const QString& name, const QString& meaning, int x, int y) {
    auto* panel = named(new QFrame(parent), name, meaning);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(x, y, 161, 65);
    return panel;
}

QPushButton* arrowButton(QWidget* parent, const QString& name, const QString& text, int x) {
    return pushButton(parent, name, text, QRect(x, 32, 33, 17));
}

}  // namespace

SettingsDialog::SettingsDialog(NoticeBox& notices) : notices_(notices) {
    setObjectAndAccessibleName(*this, QStringLiteral("Form5"));
    makeDialogWindow(*this, 194, 201, CloseButton::Hidden);
    setWindowTitle(tr("Settings"));

    thumbnailSizeGroup = groupPanel(this, QStringLiteral("Panel1"), tr("Thumbnail size"), 16, 8);
    setHint(*thumbnailSizeGroup, tr("A new thumbnail size applies\r\nfrom the next folder opened"));
    thumbnailSizeLabel =
        named(new QLabel(tr("Thumbnail size"), thumbnailSizeGroup), QStringLiteral("Label1"));
    thumbnailSizeLabel->move(8, 8);
    thumbnailSizeEdit = named(new NumberEdit(kMaxThumbnail, 3, thumbnailSizeGroup),
                              QStringLiteral("Edit1"), tr("Thumbnail size"));
    thumbnailSizeEdit->setGeometry(24, 28, 41, 23);
    setPixelFont(*thumbnailSizeEdit, 15);
    thumbnailSizeEdit->setText(model::Settings{}.thumbnailSize);
    thumbnailSizeUpButton =
        arrowButton(thumbnailSizeGroup, QStringLiteral("Button3"), QStringLiteral("↑"), 80);
    thumbnailSizeDownButton =
        arrowButton(thumbnailSizeGroup, QStringLiteral("Button4"), QStringLiteral("↓"), 113);

    toleranceGroup =
        groupPanel(this, QStringLiteral("Panel2"), tr("Auto-select tolerance"), 16, 80);
    toleranceLabel =
        named(new QLabel(tr("Auto-select tolerance"), toleranceGroup), QStringLiteral("Label2"));
    toleranceLabel->move(8, 8);
    plusMinusLabel =
        named(new QLabel(QStringLiteral("±"), toleranceGroup), QStringLiteral("Label3"));
    plusMinusLabel->move(7, 31);
    setPixelFont(*plusMinusLabel, 15);
    toleranceEdit = named(new NumberEdit(kMaxTolerance, 3, toleranceGroup), QStringLiteral("Edit2"),
                          tr("Auto-select tolerance"));
    toleranceEdit->setGeometry(24, 28, 41, 23);
    setPixelFont(*toleranceEdit, 15);
    toleranceEdit->setText(model::Settings{}.tolerance);
    toleranceUpButton =
        arrowButton(toleranceGroup, QStringLiteral("Button5"), QStringLiteral("↑"), 80);
    toleranceDownButton =
        arrowButton(toleranceGroup, QStringLiteral("Button6"), QStringLiteral("↓"), 113);

    okButton =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(16, 160, 75, 25));
    cancelButton =
        pushButton(this, QStringLiteral("Button2"), tr("Cancel"), QRect(104, 160, 75, 25));

    connect(okButton, &QPushButton::clicked, this, &SettingsDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDialog::cancel);
    connect(thumbnailSizeUpButton, &QPushButton::clicked, this,
            &SettingsDialog::increaseThumbnailSize);
    connect(thumbnailSizeDownButton, &QPushButton::clicked, this,
            &SettingsDialog::decreaseThumbnailSize);
    connect(toleranceUpButton, &QPushButton::clicked, this, &SettingsDialog::increaseTolerance);
    connect(toleranceDownButton, &QPushButton::clicked, this, &SettingsDialog::decreaseTolerance);
    connect(thumbnailSizeEdit, &NumberEdit::textChanged, this, &SettingsDialog::reportTexts);
    connect(toleranceEdit, &NumberEdit::textChanged, this, &SettingsDialog::reportTexts);
}

void SettingsDialog::open() {
    sizeAtOpening_ = thumbnailSizeEdit->text();
    show();
    raise();
    activateWindow();
    okButton->setFocus();
}

void SettingsDialog::setTexts(const QString& thumbnailSize, const QString& tolerance) {
    thumbnailSizeEdit->setText(thumbnailSize);
    toleranceEdit->setText(tolerance);
}

void SettingsDialog::reportTexts() {
    emit textsChanged(thumbnailSizeEdit->text(), toleranceEdit->text());
}

// The dialog has no close button; OK or cancel is the way out.
void SettingsDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void SettingsDialog::closeDialog() {
    hide();
    emit closed();
}

void SettingsDialog::increaseThumbnailSize() {
    thumbnailSizeEdit->step(StepDirection::Up, sizeAtOpening_, kMaxThumbnail);
}

void SettingsDialog::decreaseThumbnailSize() {
    thumbnailSizeEdit->step(StepDirection::Down, sizeAtOpening_, kMinThumbnail);
}

void SettingsDialog::increaseTolerance() {
    toleranceEdit->step(StepDirection::Up, QStringLiteral("-10"), kMaxTolerance);
}

void SettingsDialog::decreaseTolerance() {
    toleranceEdit->step(StepDirection::Down, QStringLiteral("1000"), 0);
}

void SettingsDialog::confirm() {
    if (toleranceEdit->text().isEmpty())
        toleranceEdit->setText(model::Settings{}.tolerance);
    int32_t size = 0;
    if (thumbnailSizeEdit->text().isEmpty()) {
        thumbnailSizeEdit->setText(sizeAtOpening_);
    } else {
        size = parseNumber(thumbnailSizeEdit->text()).value;
    }
    if (size > kMaxThumbnail || size < kMinThumbnail) {
        notices_.notify(this, tr("Thumbnails are 20 to 150"));
        return;
    }
    closeDialog();
}

void SettingsDialog::cancel() {
    thumbnailSizeEdit->setText(sizeAtOpening_);
    closeDialog();
}
