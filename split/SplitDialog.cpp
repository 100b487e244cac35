#include "split/SplitDialog.h"

#include "core/NumberText.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "imaging/FileNames.h"
#include "model/CatalogueModel.h"
#include "split/BatchProgress.h"
#include "split/DialogPictures.h"
#include "split/RadioGroup.h"
#include "widgets/FormLook.h"
#include "widgets/Hints.h"
#include "widgets/ModalFlow.h"
#include "widgets/NumberEdit.h"
#include "widgets/TextWidth.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kClientWidth = 473;
// The designed window, with the panel of the added options below it.
constexpr int kClientHeight = 454 + 84;
constexpr int kNoCutItem = 4;
constexpr int kBmpItem = 1;

QFrame* groupPanel(QWidget* parent, const QString& name, const QString& meaning,
                   const QRect& geometry) {
    auto* panel = named(new QFrame(parent), name, meaning);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text,
                    const QRect& geometry, bool checked) {
    auto* box = named(new QCheckBox(text, parent), name);
    box->setGeometry(geometry);
    widenToShowText(*box);
    box->setChecked(checked);
    return box;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, QPoint at) {
    auto* shown = named(new QLabel(text, parent), name);
    shown->move(at);
    return shown;
}

NumberEdit* numberEdit(QWidget* parent, const QString& name, const QString& label, int32_t bound,
                       QPoint at) {
    auto* edit = named(new NumberEdit(bound, 4, parent), name, label);
    edit->setGeometry(at.x(), at.y(), 41, 21);
    return edit;
}

QPushButton* arrowButton(QWidget* parent, const QString& name, const QString& text, QPoint at) {
    return pushButton(parent, name, text, QRect(at, QSize(33, 17)));
}

QLabel* picture(QWidget* parent, const QString& name, const QString& meaning, const QImage& image,
                QPoint at) {
    auto* area = named(new QLabel(parent), name, meaning);
    area->setPixmap(QPixmap::fromImage(image));
    area->setGeometry(at.x(), at.y(), image.width(), image.height());
    return area;
}

// The arrows beside a number box step it by 10 within 0 and its bound. An
// empty box steps from just outside the range: up gives 0, down the bound.
void connectArrows(NumberEdit* edit, QPushButton* up, QPushButton* down) {
    QObject::connect(up, &QPushButton::clicked, edit, [edit] {
        edit->step(StepDirection::Up, QStringLiteral("-10"), edit->upperBound());
    });
    QObject::connect(down, &QPushButton::clicked, edit, [edit] {
        edit->step(StepDirection::Down, QString::number(edit->upperBound() + 10), 0);
    });
}

int32_t numberIn(const QLineEdit& edit) {
    return parseNumber(edit.text()).value;
}

void setEnabledAll(std::initializer_list<QWidget*> controls, bool on) {
    for (QWidget* control : controls)
        control->setEnabled(on);
}

}  // namespace

SplitDialog::SplitDialog(model::CatalogueModel& catalogue, NoticeBox& notices,
                         FolderChooser& chooser)
    : catalogue_(catalogue), notices_(notices), chooser_(chooser) {
    setObjectAndAccessibleName(*this, QStringLiteral("Form3"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Shown);
    setWindowTitle(tr("Split"));

    buildDestination();
    buildOptionChecks();
    buildSplitMethod();
    buildQuality();
    buildCentre();
    buildMargins();
    buildTurn();
    buildButtons();
    buildAddedOptions();

    completionSound = new QSoundEffect(this);
    completionSound->setObjectName(QStringLiteral("MediaPlayer1"));
    batchTimer = new QTimer(this);
    batchTimer->setObjectName(QStringLiteral("Timer1"));
    batchTimer->setInterval(10);

    setOptions(split::SplitOptions{});
    connectHandlers();
    setHints();
}

SplitDialog::~SplitDialog() = default;

void SplitDialog::buildDestination() {
    destinationLabel = label(this, QStringLiteral("Label1"), tr("Destination folder"), {16, 10});
    destinationEdit = named(new QLineEdit(this), QStringLiteral("Edit1"), tr("Destination folder"));
    destinationEdit->setGeometry(16, 28, 360, 21);
    browseButton =
        pushButton(this, QStringLiteral("Button3"), tr("Browse"), QRect(384, 26, 73, 25));
}

void SplitDialog::buildOptionChecks() {
    sourceNamedSubfolderBox =
        checkBox(this, QStringLiteral("CheckBox1"), tr("Write into a folder named like the source"),
                 {16, 60, 300, 17}, true);
    copyUnselectedBox = checkBox(this, QStringLiteral("CheckBox2"),
                                 tr("Copy the unselected files too"), {16, 82, 300, 17}, true);
    resaveUnselectedBox =
        checkBox(this, QStringLiteral("CheckBox3"), tr("Save the unselected files anew too"),
                 {16, 104, 300, 17}, false);
    soundOnCompletionBox = checkBox(this, QStringLiteral("CheckBox8"), tr("Play a sound when done"),
                                    {16, 126, 300, 17}, true);
}

void SplitDialog::buildSplitMethod() {
    splitMethodGroup =
        named(new RadioGroup(tr("Split into pages"),
                             {QStringLiteral(" →"), QStringLiteral(" ↓"), QStringLiteral(" ←"),
                              QStringLiteral(" ↑"), tr("None")},
                             3, QRect(16, 150, 310, 84), this),
              QStringLiteral("RadioGroup1"));
    splitMethodGroup->setItemIndex(static_cast<int>(split::SplitDirection::Left));
    // Each arrow has the page order it gives beside it.
    const auto beside = [this](int item) {
        const QRect cell = splitMethodGroup->itemCell(item);
        return QPoint(cell.x() + 40, cell.y() + 1);
    };
    using split::SplitDirection;
    rightOrderPicture = picture(splitMethodGroup, QStringLiteral("Image1"), tr("Page order of →"),
                                pageOrderPicture(SplitDirection::Right), beside(0));
    downOrderPicture = picture(splitMethodGroup, QStringLiteral("Image3"), tr("Page order of ↓"),
                               pageOrderPicture(SplitDirection::Down), beside(1) - QPoint(0, 8));
    leftOrderPicture = picture(splitMethodGroup, QStringLiteral("Image2"), tr("Page order of ←"),
                               pageOrderPicture(SplitDirection::Left), beside(2));
    upOrderPicture = picture(splitMethodGroup, QStringLiteral("Image4"), tr("Page order of ↑"),
                             pageOrderPicture(SplitDirection::Up), beside(3) - QPoint(0, 8));

    formatGroup =
        named(new RadioGroup(tr("File format"), {QStringLiteral("JPG"), QStringLiteral("BMP")}, 1,
                             QRect(336, 150, 121, 84), this),
              QStringLiteral("RadioGroup2"));
    formatGroup->setItemIndex(static_cast<int>(split::OutputFormat::Jpeg));
}

void SplitDialog::buildQuality() {
    qualityPanel = named(new QGroupBox(tr("Quality"), this), QStringLiteral("Panel2"));
    qualityPanel->setGeometry(336, 58, 121, 80);
    qualityEdit = numberEdit(qualityPanel, QStringLiteral("Edit2"), tr("Quality"),
                             model::kMaxJpegQuality, {10, 34});
    qualityUpButton =
        arrowButton(qualityPanel, QStringLiteral("Button4"), QStringLiteral("↑"), {54, 36});
    qualityDownButton =
        arrowButton(qualityPanel, QStringLiteral("Button5"), QStringLiteral("↓"), {87, 36});
}

void SplitDialog::buildCentre() {
    centrePanel =
        groupPanel(this, QStringLiteral("Panel8"), tr("Gutter removal"), {16, 238, 441, 40});
    removeCentreBox = checkBox(centrePanel, QStringLiteral("CheckBox5"), tr("Remove gutter"),
                               {10, 11, 130, 17}, false);
    centreWidthLabel = label(centrePanel, QStringLiteral("Label4"), tr("Gutter width"), {170, 13});
    centreWidthEdit = numberEdit(centrePanel, QStringLiteral("Edit5"), tr("Gutter width"),
                                 model::kMaxCentreWidth, {276, 9});
    centreWidthUpButton =
        arrowButton(centrePanel, QStringLiteral("Button10"), QStringLiteral("↑"), {322, 11});
    centreWidthDownButton =
        arrowButton(centrePanel, QStringLiteral("Button11"), QStringLiteral("↓"), {355, 11});
    for (QWidget* control : std::initializer_list<QWidget*>{centreWidthEdit, centreWidthUpButton,
                                                            centreWidthDownButton}) {
        control->setEnabled(false);
    }
}

void SplitDialog::buildMargins() {
    marginsPanel =
        groupPanel(this, QStringLiteral("Panel7"), tr("Margin removal"), {16, 286, 441, 72});
    removeMarginsBox = checkBox(marginsPanel, QStringLiteral("CheckBox4"), tr("Remove margins"),
                                {10, 8, 130, 17}, false);
    thresholdLabel = label(marginsPanel, QStringLiteral("Label2"), tr("Threshold"), {30, 41});
    thresholdEdit = numberEdit(marginsPanel, QStringLiteral("Edit3"), tr("Threshold"),
                               model::kMaxMarginThreshold, {120, 37});
    thresholdUpButton =
        arrowButton(marginsPanel, QStringLiteral("Button6"), QStringLiteral("↑"), {166, 39});
    thresholdDownButton =
        arrowButton(marginsPanel, QStringLiteral("Button7"), QStringLiteral("↓"), {199, 39});
    keptMarginLabel = label(marginsPanel, QStringLiteral("Label3"), tr("Margin kept"), {246, 41});
    keptMarginEdit = numberEdit(marginsPanel, QStringLiteral("Edit4"), tr("Margin kept"),
                                model::kMaxKeptMargin, {320, 37});
    keptMarginUpButton =
        arrowButton(marginsPanel, QStringLiteral("Button8"), QStringLiteral("↑"), {366, 39});
    keptMarginDownButton =
        arrowButton(marginsPanel, QStringLiteral("Button9"), QStringLiteral("↓"), {399, 39});
    for (QWidget* control : std::initializer_list<QWidget*>{
             thresholdEdit, thresholdUpButton, thresholdDownButton, keptMarginEdit,
             keptMarginUpButton, keptMarginDownButton}) {
        control->setEnabled(false);
    }
}

void SplitDialog::buildTurn() {
    turnPanel = groupPanel(this, QStringLiteral("Panel9"), tr("Quarter turn"), {16, 366, 441, 36});
    turnBox =
        checkBox(turnPanel, QStringLiteral("CheckBox6"), tr("Turn 90°"), {10, 9, 130, 17}, false);
    turnLeftButton =
        named(new QRadioButton(QStringLiteral("L"), turnPanel), QStringLiteral("RadioButton1"));
    turnLeftButton->setGeometry(170, 9, 36, 17);
    turnLeftButton->setChecked(true);
    turnLeftPicture = picture(turnPanel, QStringLiteral("Image5"), tr("Direction of L"),
                              turnPicture(split::TurnDirection::Left), {208, 4});
    turnRightButton =
        named(new QRadioButton(QStringLiteral("R"), turnPanel), QStringLiteral("RadioButton2"));
    turnRightButton->setGeometry(260, 9, 36, 17);
    turnRightPicture = picture(turnPanel, QStringLiteral("Image6"), tr("Direction of R"),
                               turnPicture(split::TurnDirection::Right), {298, 4});
    turnLeftButton->setEnabled(false);
    turnRightButton->setEnabled(false);
}

void SplitDialog::buildButtons() {
    hintsBox = checkBox(this, QStringLiteral("CheckBox7"), tr("Hints"), {16, 418, 120, 17}, true);
    okButton =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(296, 414, 75, 25));
    cancelButton =
        pushButton(this, QStringLiteral("Button2"), tr("Cancel"), QRect(382, 414, 75, 25));
}

void SplitDialog::buildAddedOptions() {
    addedPanel = groupPanel(this, QStringLiteral("AddedOptionsPanel"), tr("Added options"),
                            {16, 450, 441, 80});
    losslessBox = checkBox(addedPanel, QStringLiteral("LosslessBox"),
                           tr("Lossless JPEG pages (not encoded again)"), {10, 7, 300, 17}, false);
    deskewBox = checkBox(addedPanel, QStringLiteral("DeskewBox"), tr("Straighten pages"),
                         {10, 31, 150, 17}, false);
    deskewCapLabel =
        label(addedPanel, QStringLiteral("DeskewCapLabel"), tr("Up to (degrees)"), {170, 33});
    deskewCapEdit = numberEdit(addedPanel, QStringLiteral("DeskewCapEdit"), tr("Up to (degrees)"),
                               static_cast<int32_t>(split::kLargestDeskewCap), {276, 29});
    deskewCapEdit->setEnabled(false);
    gutterBox = checkBox(addedPanel, QStringLiteral("GutterBox"), tr("Cut at the gutter found"),
                         {10, 55, 300, 17}, false);
}

void SplitDialog::connectHandlers() {
    connect(okButton, &QPushButton::clicked, this, &SplitDialog::startBatch);
    connect(cancelButton, &QPushButton::clicked, this, &SplitDialog::cancel);
    connect(browseButton, &QPushButton::clicked, this, &SplitDialog::browseDestination);
    connectArrows(qualityEdit, qualityUpButton, qualityDownButton);
    connectArrows(thresholdEdit, thresholdUpButton, thresholdDownButton);
    connectArrows(keptMarginEdit, keptMarginUpButton, keptMarginDownButton);
    connectArrows(centreWidthEdit, centreWidthUpButton, centreWidthDownButton);
    // Check boxes and groups react to every change of state, also one the
    // program makes (as removeCentreBox's when "なし" is chosen).
    connect(copyUnselectedBox, &QCheckBox::toggled, this, &SplitDialog::untickResaveWhenCopying);
    connect(resaveUnselectedBox, &QCheckBox::toggled, this, &SplitDialog::untickCopyWhenResaving);
    connect(removeMarginsBox, &QCheckBox::toggled, this, &SplitDialog::enableMarginControls);
    connect(removeCentreBox, &QCheckBox::toggled, this, &SplitDialog::enableCentreControls);
    connect(turnBox, &QCheckBox::toggled, this, &SplitDialog::enableTurnDirections);
    connect(hintsBox, &QCheckBox::toggled, this, &SplitDialog::showHints);
    connect(splitMethodGroup, &RadioGroup::itemChosen, this,
            &SplitDialog::enableCentreForSplitMethod);
    connect(formatGroup, &RadioGroup::itemChosen, this, &SplitDialog::enableQualityForFormat);
    connect(batchTimer, &QTimer::timeout, this, &SplitDialog::commitNextItem);
    connect(deskewBox, &QCheckBox::toggled, this, &SplitDialog::enableDeskewCap);
    for (QCheckBox* box : {losslessBox, deskewBox, gutterBox}) {
        connect(box, &QCheckBox::toggled, this,
                [this] { emit addedOptionsChanged(addedOptions()); });
    }
    connect(deskewCapEdit, &NumberEdit::textChanged, this,
            [this] { emit addedOptionsChanged(addedOptions()); });
    for (NumberEdit* box : {qualityEdit, thresholdEdit, keptMarginEdit, centreWidthEdit}) {
        connect(box, &NumberEdit::textChanged, this, [this] { emit boxesChanged(boxes()); });
    }
    // The chooser's folder becomes the destination.
    connect(&chooser_, &FolderChooser::folderChosen, this, &SplitDialog::setDestination);
}

void SplitDialog::setHints() {
    setHint(*sourceNamedSubfolderBox,
            tr("Makes a folder of the source folder's name and writes into it"));
    setHint(*copyUnselectedBox,
            tr("Copies the unselected files\r\nas they are, without working on them"));
    setHint(*resaveUnselectedBox,
            tr("Works on the unselected files too\r\nwithout splitting or gutter "
               "removal\r\nTurning and margin removal apply"));
    setHint(*splitMethodGroup, tr("Splits in the order 1, 2"));
    setHint(*centrePanel,
            tr("Removes the gutter between the pages\r\nwhich makes margin removal more exact"));
    setHint(*marginsPanel,
            tr("Removes margins of the colour of the page's top left\r\nA higher threshold "
               "takes in more colours\r\nTo keep some margin around the print,\r\nset "
               "the margin kept"));
    setHint(*losslessBox,
            tr("JPEG pages keep the source's compressed blocks:\r\nno second loss of "
               "quality. The cut moves to the\r\nblock grid (8 or 16 pixels), margins keep up "
               "to\r\none block more. For JPEG written as JPEG"));
    setHint(*deskewBox,
            tr("Measures the slant of each page's lines of text\r\n(across or down) and turns "
               "the page straight\r\nBlank pages, pictures and slants over the\r\nlimit are "
               "left as they are and named at the end"));
    setHint(*gutterBox,
            tr("Looks for the gutter near the middle of the spread\r\nand cuts there; where "
               "none is found\r\nthe spread is cut at its centre and named at the end"));
}

// --- what other windows ask of the dialog ---

void SplitDialog::open() {
    show();
    raise();
    activateWindow();
    cancelButton->setFocus();
}

void SplitDialog::setDestination(const QString& folder) {
    destinationEdit->setText(folder);
}

model::AddedOptions SplitDialog::addedOptions() const {
    model::AddedOptions added;
    added.lossless = losslessBox->isChecked();
    added.deskew = deskewBox->isChecked();
    added.deskewCap = deskewCap();
    added.cutAtGutter = gutterBox->isChecked();
    return added;
}

void SplitDialog::setAddedOptions(const model::AddedOptions& added) {
    losslessBox->setChecked(added.lossless);
    deskewBox->setChecked(added.deskew);
    deskewCapEdit->setText(QString::number(added.deskewCap));
    gutterBox->setChecked(added.cutAtGutter);
}

int SplitDialog::deskewCap() const {
    // An empty box, or 0, means the cap it starts with.
    const int cap = numberIn(*deskewCapEdit);
    return cap > 0 ? cap : model::AddedOptions::kDefaultDeskewCap;
}

model::SplitBoxes SplitDialog::boxes() const {
    return {qualityEdit->text(), thresholdEdit->text(), keptMarginEdit->text(),
            centreWidthEdit->text()};
}

void SplitDialog::setBoxes(const model::SplitBoxes& boxes) {
    qualityEdit->setText(boxes.jpegQuality);
    thresholdEdit->setText(boxes.marginThreshold);
    keptMarginEdit->setText(boxes.keptMargin);
    centreWidthEdit->setText(boxes.centreWidth);
}

void SplitDialog::openCompletionSound(const QString& fileName) {
    completionSound->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

bool SplitDialog::completionSoundOpened() const {
    return !completionSound->source().isEmpty();
}

// --- closing the dialog ---

void SplitDialog::returnToCatalogue() {
    // The item the status bar names becomes the list's current item again
    // and is selected; the other selected items stay selected. With no
    // current item (-1) the selection is left as it is rather than cleared,
    // so cancelling never throws away the user's marks.
    catalogue_.reselect(catalogue_.current());
    emit closed();
}

void SplitDialog::cancel() {
    hide();
    returnToCatalogue();
}

void SplitDialog::closeEvent(QCloseEvent* event) {
    returnToCatalogue();
    event->accept();
}

void SplitDialog::browseDestination() {
    disableUntilClosed(*this, chooser_, &FolderChooser::closed);
    chooser_.open();
}

// --- the interlocks ---

void SplitDialog::untickResaveWhenCopying() {
    if (copyUnselectedBox->isChecked())
        resaveUnselectedBox->setChecked(false);
}

void SplitDialog::untickCopyWhenResaving() {
    if (resaveUnselectedBox->isChecked())
        copyUnselectedBox->setChecked(false);
}

void SplitDialog::enableMarginControls() {
    setEnabledAll({thresholdEdit, thresholdUpButton, thresholdDownButton, keptMarginEdit,
                   keptMarginUpButton, keptMarginDownButton},
                  removeMarginsBox->isChecked());
}

void SplitDialog::enableCentreControls() {
    setEnabledAll({centreWidthEdit, centreWidthUpButton, centreWidthDownButton},
                  removeCentreBox->isChecked());
}

void SplitDialog::enableTurnDirections() {
    setEnabledAll({turnLeftButton, turnRightButton}, turnBox->isChecked());
}

void SplitDialog::showHints() {
    const bool on = hintsBox->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{
             sourceNamedSubfolderBox, copyUnselectedBox, resaveUnselectedBox, splitMethodGroup,
             centrePanel, marginsPanel, losslessBox, deskewBox, gutterBox}) {
        showHint(*control, on);
    }
}

void SplitDialog::enableCentreForSplitMethod() {
    if (splitMethodGroup->itemIndex() == kNoCutItem) {
        removeCentreBox->setChecked(false);
        removeCentreBox->setEnabled(false);
    } else {
        removeCentreBox->setEnabled(true);
    }
    // An image that is not cut has no gutter to look for; the choice is
    // kept for the next time.
    gutterBox->setEnabled(splitMethodGroup->itemIndex() != kNoCutItem);
}

void SplitDialog::enableDeskewCap() {
    deskewCapEdit->setEnabled(deskewBox->isChecked());
}

void SplitDialog::enableQualityForFormat() {
    const bool jpeg = formatGroup->itemIndex() != kBmpItem;
    qualityEdit->setEnabled(jpeg);
    qualityUpButton->setEnabled(jpeg);
    qualityDownButton->setEnabled(jpeg);
    // Lossless pages are JPEG pages.
    losslessBox->setEnabled(jpeg);
}

void SplitDialog::setOptions(const split::SplitOptions& options) {
    destinationEdit->setText(options.destination);
    sourceNamedSubfolderBox->setChecked(options.sourceNamedSubfolder);
    copyUnselectedBox->setChecked(options.copyUnselected);
    resaveUnselectedBox->setChecked(options.resaveUnselected);
    soundOnCompletionBox->setChecked(options.soundOnCompletion);
    splitMethodGroup->setItemIndex(static_cast<int>(options.direction));
    removeCentreBox->setChecked(options.removeCentre);
    centreWidthEdit->setText(QString::number(options.centreWidth));
    removeMarginsBox->setChecked(options.removeMargins);
    thresholdEdit->setText(QString::number(options.marginThreshold));
    keptMarginEdit->setText(QString::number(options.keptMargin));
    turnBox->setChecked(options.turn);
    (options.turnDirection == split::TurnDirection::Right ? turnRightButton : turnLeftButton)
        ->setChecked(true);
    formatGroup->setItemIndex(static_cast<int>(options.format));
    qualityEdit->setText(QString::number(options.jpegQuality));
    losslessBox->setChecked(options.lossless);
    deskewBox->setChecked(options.deskew);
    deskewCapEdit->setText(QString::number(qRound(options.deskewCap)));
    gutterBox->setChecked(options.cutPlacement == split::CutPlacement::Gutter);
    // The interlocks, as the controls' own change handling would set them.
    enableCentreForSplitMethod();
    enableCentreControls();
    enableMarginControls();
    enableTurnDirections();
    enableQualityForFormat();
    enableDeskewCap();
}

split::SplitOptions SplitDialog::options() const {
    split::SplitOptions options;
    options.destination = destinationEdit->text();
    options.sourceNamedSubfolder = sourceNamedSubfolderBox->isChecked();
    options.copyUnselected = copyUnselectedBox->isChecked();
    options.resaveUnselected = resaveUnselectedBox->isChecked();
    options.soundOnCompletion = soundOnCompletionBox->isChecked();
    options.direction = static_cast<split::SplitDirection>(splitMethodGroup->itemIndex());
    options.removeCentre = removeCentreBox->isChecked();
    options.centreWidth = numberIn(*centreWidthEdit);
    options.removeMargins = removeMarginsBox->isChecked();
    options.marginThreshold = numberIn(*thresholdEdit);
    options.keptMargin = numberIn(*keptMarginEdit);
    options.turn = turnBox->isChecked();
    options.turnDirection =
        turnRightButton->isChecked() ? split::TurnDirection::Right : split::TurnDirection::Left;
    options.format =
        formatGroup->itemIndex() == kBmpItem ? split::OutputFormat::Bmp : split::OutputFormat::Jpeg;
    options.jpegQuality = numberIn(*qualityEdit);
    options.lossless = losslessBox->isChecked();
    options.deskew = deskewBox->isChecked();
    options.deskewCap = deskewCap();
    options.cutPlacement =
        gutterBox->isChecked() ? split::CutPlacement::Gutter : split::CutPlacement::Centre;
    return options;
}

// --- the batch ---

void SplitDialog::restoreDefaultTexts() {
    const model::SplitBoxes designed = model::designedSplitBoxes();
    for (const auto& [edit, text] : {std::pair{qualityEdit, designed.jpegQuality},
                                     std::pair{thresholdEdit, designed.marginThreshold},
                                     std::pair{keptMarginEdit, designed.keptMargin},
                                     std::pair{centreWidthEdit, designed.centreWidth}}) {
        if (edit->text().isEmpty())
            edit->setText(text);
    }
}

std::vector<split::SplitItem> SplitDialog::catalogueItems() const {
    std::vector<split::SplitItem> items;
    items.reserve(static_cast<size_t>(catalogue_.count()));
    for (int i = 0; i < catalogue_.count(); ++i) {
        items.push_back(
            split::SplitItem{catalogue_.path(i), catalogue_.fileName(i), catalogue_.isSelected(i)});
    }
    return items;
}

void SplitDialog::startBatch() {
    restoreDefaultTexts();
    if (!QFileInfo(destinationEdit->text()).isDir())
        return;

    batch_ = std::make_unique<split::SplitBatch>(options(), catalogue_.folder(), catalogueItems());
    // A folder that cannot be made shows up as failed writes.
    batch_->start();

    // Its キャンセル, or the OK of the batch's end, ends the dialog's work.
    notices_.showBatchProgress(split::progressText(batch_->number(), batch_->total()), [this] {
        stopBatch();
        emit closed();
    });
    hide();
    batchTimer->start();
}

void SplitDialog::commitNextItem() {
    if (!batch_) {
        batchTimer->stop();
        return;
    }
    // One item per tick at most, so the window keeps answering; an item
    // still in work is looked at again at the next tick.
    if (batch_->commitNextIfReady()) {
        if (const auto line = batch_->progressLine())
            notices_.updateBatchProgress(*line);
    }
    if (batch_->finished())
        finishBatch();
}

void SplitDialog::finishBatch() {
    if (batch_->options().soundOnCompletion && completionSoundOpened()) {
        completionSound->stop();
        completionSound->play();
    }
    const split::BatchFailures& failures = batch_->failures();
    // Unless a failure needs the line, it tells how many JPEG pages kept
    // their blocks and what was left as it was; the hint names each page
    // encoded again or kept, with why.
    const split::LosslessTally& lossless = batch_->lossless();
    const split::KeptAsTheyWere& kept = batch_->keptAsTheyWere();
    const auto joined = [](const QStringList& parts, const QString& separator) {
        QStringList shown = parts;
        shown.removeAll(QString());
        return shown.join(separator);
    };
    const QString counts = joined({split::losslessCountLine(lossless), split::keptCountLine(kept)},
                                  QStringLiteral("; "));
    const QString details = joined(
        {split::losslessDetails(lossless), split::keptDetails(kept, batch_->options().deskewCap)},
        QStringLiteral("\n"));
    notices_.showBatchEnd(split::completionMessage(failures.count()),
                          failures.count() > 0 ? failures.firstFileName() : counts, details);
    stopBatch();
}

void SplitDialog::stopBatch() {
    batchTimer->stop();
    // Work started for the next items is dropped unwritten.
    batch_.reset();
}
