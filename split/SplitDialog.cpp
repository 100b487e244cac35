#include "split/SplitDialog.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/Hints.h"
#include "core/NumberEdit.h"
#include "core/NumberText.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "imaging/FileNames.h"
#include "split/BatchProgress.h"
#include "split/DialogPictures.h"
#include "split/MarginRemoval.h"
#include "split/OutputFolder.h"
#include "split/RadioGroup.h"
#include "split/Rotation.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kClientWidth = 473;
constexpr int kClientHeight = 454;
constexpr int kNoCutItem = 4;
constexpr int kBmpItem = 1;

// The texts an empty number edit gets back when a batch starts.
const QString kDefaultQuality = QStringLiteral("80");
const QString kDefaultThreshold = QStringLiteral("100");
const QString kDefaultKeptMargin = QStringLiteral("0");
const QString kDefaultCentreWidth = QStringLiteral("20");

// An empty box steps from just outside its range: up gives 0, down the bound.
const QString kEmptyStepsUpFrom = QStringLiteral("-10");

QFrame* groupPanel(QWidget* parent, const QString& name, const QString& meaning,
                   const QRect& geometry) {
    auto* panel = named(new QFrame(parent), name, meaning);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& geometry, bool checked) {
    auto* box = named(new QCheckBox(caption, parent), name);
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, QPoint at) {
    auto* text = named(new QLabel(caption, parent), name);
    text->move(at);
    return text;
}

NumberEdit* numberEdit(QWidget* parent, const QString& name, const QString& caption, int32_t bound,
                       const QString& text, QPoint at) {
    auto* edit = named(new NumberEdit(bound, 4, parent), name, caption);
    edit->setGeometry(at.x(), at.y(), 41, 21);
    edit->setText(text);
    return edit;
}

QPushButton* arrowButton(QWidget* parent, const QString& name, const QString& caption, QPoint at) {
    return pushButton(parent, name, caption, QRect(at, QSize(33, 17)));
}

QLabel* picture(QWidget* parent, const QString& name, const QString& meaning, const QImage& image,
                QPoint at) {
    auto* area = named(new QLabel(parent), name, meaning);
    area->setPixmap(QPixmap::fromImage(image));
    area->setGeometry(at.x(), at.y(), image.width(), image.height());
    return area;
}

int32_t numberIn(const QLineEdit& edit) {
    return parseNumber(edit.text()).value;
}

}  // namespace

SplitDialog::Batch::Batch(const split::SplitOptions& options, const QString& outputFolder,
                          const QStringList& sourcePaths)
    : options(options),
      sources(sourcePaths),
      prefetch(options, outputFolder, split::ItemPrefetch::defaultDepth()) {}

SplitDialog::SplitDialog(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form3"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Shown);
    setWindowTitle(QStringLiteral("分割"));

    buildDestination();
    buildOptionChecks();
    buildSplitMethod();
    buildQuality();
    buildCentre();
    buildMargins();
    buildTurn();
    buildButtons();

    MediaPlayer1 = new QSoundEffect(this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);

    connectHandlers();
    FormCreate();
}

SplitDialog::~SplitDialog() = default;

void SplitDialog::buildDestination() {
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("保存先フォルダ"), {16, 10});
    Edit1 = named(new QLineEdit(this), QStringLiteral("Edit1"), QStringLiteral("保存先フォルダ"));
    Edit1->setGeometry(16, 28, 360, 21);
    Button3 = pushButton(this, QStringLiteral("Button3"), QStringLiteral("参 照"),
                         QRect(384, 26, 73, 25));
}

void SplitDialog::buildOptionChecks() {
    CheckBox1 =
        checkBox(this, QStringLiteral("CheckBox1"),
                 QStringLiteral("保存先に元と同名のフォルダを作る"), {16, 60, 300, 17}, true);
    CheckBox2 = checkBox(this, QStringLiteral("CheckBox2"),
                         QStringLiteral("非選択ファイルもコピーする"), {16, 82, 300, 17}, true);
    CheckBox3 = checkBox(this, QStringLiteral("CheckBox3"),
                         QStringLiteral("非選択ファイルも新規保存する"), {16, 104, 300, 17}, false);
    CheckBox8 = checkBox(this, QStringLiteral("CheckBox8"), QStringLiteral("完了時に音を鳴らす"),
                         {16, 126, 300, 17}, true);
}

void SplitDialog::buildSplitMethod() {
    RadioGroup1 =
        named(new RadioGroup(QStringLiteral("分割方法"),
                             {QStringLiteral(" →"), QStringLiteral(" ↓"), QStringLiteral(" ←"),
                              QStringLiteral(" ↑"), QStringLiteral("なし")},
                             3, QRect(16, 150, 310, 84), this),
              QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(static_cast<int>(split::SplitDirection::Left));
    // Each arrow has the page order it gives beside it.
    const auto beside = [this](int item) {
        const QRect cell = RadioGroup1->itemCell(item);
        return QPoint(cell.x() + 40, cell.y() + 1);
    };
    using split::SplitDirection;
    Image1 = picture(RadioGroup1, QStringLiteral("Image1"), QStringLiteral("→ のページ順"),
                     pageOrderPicture(SplitDirection::Right), beside(0));
    Image3 = picture(RadioGroup1, QStringLiteral("Image3"), QStringLiteral("↓ のページ順"),
                     pageOrderPicture(SplitDirection::Down), beside(1) - QPoint(0, 8));
    Image2 = picture(RadioGroup1, QStringLiteral("Image2"), QStringLiteral("← のページ順"),
                     pageOrderPicture(SplitDirection::Left), beside(2));
    Image4 = picture(RadioGroup1, QStringLiteral("Image4"), QStringLiteral("↑ のページ順"),
                     pageOrderPicture(SplitDirection::Up), beside(3) - QPoint(0, 8));

    RadioGroup2 = named(new RadioGroup(QStringLiteral("保存ファイル形式"),
                                       {QStringLiteral("JPG"), QStringLiteral("BMP")}, 1,
                                       QRect(336, 150, 121, 84), this),
                        QStringLiteral("RadioGroup2"));
    RadioGroup2->setItemIndex(static_cast<int>(split::OutputFormat::Jpeg));
}

void SplitDialog::buildQuality() {
    Panel2 = named(new QGroupBox(QStringLiteral("圧縮率"), this), QStringLiteral("Panel2"));
    Panel2->setGeometry(336, 58, 121, 80);
    Edit2 = numberEdit(Panel2, QStringLiteral("Edit2"), QStringLiteral("圧縮率"), 100,
                       kDefaultQuality, {10, 34});
    Button4 = arrowButton(Panel2, QStringLiteral("Button4"), QStringLiteral("↑"), {54, 36});
    Button5 = arrowButton(Panel2, QStringLiteral("Button5"), QStringLiteral("↓"), {87, 36});
}

void SplitDialog::buildCentre() {
    Panel8 =
        groupPanel(this, QStringLiteral("Panel8"), QStringLiteral("中心除去"), {16, 238, 441, 40});
    CheckBox5 = checkBox(Panel8, QStringLiteral("CheckBox5"), QStringLiteral("中心除去する"),
                         {10, 11, 130, 17}, false);
    Label4 = label(Panel8, QStringLiteral("Label4"), QStringLiteral("除去する中心幅"), {170, 13});
    Edit5 = numberEdit(Panel8, QStringLiteral("Edit5"), QStringLiteral("除去する中心幅"), 9999,
                       kDefaultCentreWidth, {276, 9});
    Button10 = arrowButton(Panel8, QStringLiteral("Button10"), QStringLiteral("↑"), {322, 11});
    Button11 = arrowButton(Panel8, QStringLiteral("Button11"), QStringLiteral("↓"), {355, 11});
    for (QWidget* control : {static_cast<QWidget*>(Edit5), static_cast<QWidget*>(Button10),
                             static_cast<QWidget*>(Button11)}) {
        control->setEnabled(false);
    }
}

void SplitDialog::buildMargins() {
    Panel7 =
        groupPanel(this, QStringLiteral("Panel7"), QStringLiteral("余白除去"), {16, 286, 441, 72});
    CheckBox4 = checkBox(Panel7, QStringLiteral("CheckBox4"), QStringLiteral("余白除去する"),
                         {10, 8, 130, 17}, false);
    Label2 = label(Panel7, QStringLiteral("Label2"), QStringLiteral("余白のしきい値"), {30, 41});
    Edit3 = numberEdit(Panel7, QStringLiteral("Edit3"), QStringLiteral("余白のしきい値"), 255,
                       kDefaultThreshold, {120, 37});
    Button6 = arrowButton(Panel7, QStringLiteral("Button6"), QStringLiteral("↑"), {166, 39});
    Button7 = arrowButton(Panel7, QStringLiteral("Button7"), QStringLiteral("↓"), {199, 39});
    Label3 = label(Panel7, QStringLiteral("Label3"), QStringLiteral("残す余白幅"), {246, 41});
    Edit4 = numberEdit(Panel7, QStringLiteral("Edit4"), QStringLiteral("残す余白幅"), 9999,
                       kDefaultKeptMargin, {320, 37});
    Button8 = arrowButton(Panel7, QStringLiteral("Button8"), QStringLiteral("↑"), {366, 39});
    Button9 = arrowButton(Panel7, QStringLiteral("Button9"), QStringLiteral("↓"), {399, 39});
    for (QWidget* control :
         std::initializer_list<QWidget*>{Edit3, Button6, Button7, Edit4, Button8, Button9}) {
        control->setEnabled(false);
    }
}

void SplitDialog::buildTurn() {
    Panel9 =
        groupPanel(this, QStringLiteral("Panel9"), QStringLiteral("90度回転"), {16, 366, 441, 36});
    CheckBox6 = checkBox(Panel9, QStringLiteral("CheckBox6"), QStringLiteral("90度回転する"),
                         {10, 9, 130, 17}, false);
    RadioButton1 =
        named(new QRadioButton(QStringLiteral("L"), Panel9), QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(170, 9, 36, 17);
    RadioButton1->setChecked(true);
    Image5 = picture(Panel9, QStringLiteral("Image5"), QStringLiteral("L の回転の向き"),
                     turnPicture(split::TurnDirection::Left), {208, 4});
    RadioButton2 =
        named(new QRadioButton(QStringLiteral("R"), Panel9), QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(260, 9, 36, 17);
    Image6 = picture(Panel9, QStringLiteral("Image6"), QStringLiteral("R の回転の向き"),
                     turnPicture(split::TurnDirection::Right), {298, 4});
    RadioButton1->setEnabled(false);
    RadioButton2->setEnabled(false);
}

void SplitDialog::buildButtons() {
    CheckBox7 = checkBox(this, QStringLiteral("CheckBox7"), QStringLiteral("ヒント表示"),
                         {16, 418, 120, 17}, true);
    Button1 =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(296, 414, 75, 25));
    Button2 = pushButton(this, QStringLiteral("Button2"), QStringLiteral("キャンセル"),
                         QRect(382, 414, 75, 25));
}

void SplitDialog::connectHandlers() {
    connect(Button1, &QPushButton::clicked, this, &SplitDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &SplitDialog::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &SplitDialog::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &SplitDialog::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &SplitDialog::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &SplitDialog::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &SplitDialog::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &SplitDialog::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &SplitDialog::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &SplitDialog::Button10Click);
    connect(Button11, &QPushButton::clicked, this, &SplitDialog::Button11Click);
    // Check boxes and groups react to every change of state, also one the
    // program makes (as CheckBox5 when "なし" is chosen).
    connect(CheckBox2, &QCheckBox::toggled, this, &SplitDialog::CheckBox2Click);
    connect(CheckBox3, &QCheckBox::toggled, this, &SplitDialog::CheckBox3Click);
    connect(CheckBox4, &QCheckBox::toggled, this, &SplitDialog::CheckBox4Click);
    connect(CheckBox5, &QCheckBox::toggled, this, &SplitDialog::CheckBox5Click);
    connect(CheckBox6, &QCheckBox::toggled, this, &SplitDialog::CheckBox6Click);
    connect(CheckBox7, &QCheckBox::toggled, this, &SplitDialog::CheckBox7Click);
    connect(RadioGroup1, &RadioGroup::itemChosen, this, &SplitDialog::RadioGroup1Click);
    connect(RadioGroup2, &RadioGroup::itemChosen, this, &SplitDialog::RadioGroup2Click);
    connect(Timer1, &QTimer::timeout, this, &SplitDialog::Timer1Timer);
}

void SplitDialog::FormCreate() {
    setHint(*CheckBox1, QStringLiteral("同名のフォルダを作り、その中にコピーします"));
    setHint(*CheckBox2, QStringLiteral("非選択ファイルを\r\n単純にコピーします、処理はしません"));
    setHint(*CheckBox3, QStringLiteral("非選択ファイルも処理します\r\n｢分割｣と｢中心除去｣はしま"
                                       "せん\r\n｢回転｣と｢余白除去｣は可能です"));
    setHint(*RadioGroup1, QStringLiteral("１から２の順で分割します"));
    setHint(*Panel8, QStringLiteral("ページ間の谷間を除去します\r\n余白除去の精度が上がります"));
    setHint(*Panel7, QStringLiteral("ページ左上の色で余白除去します\r\nしきい値を上げると色範囲が"
                                    "広がります\r\n写真や文字のギリギリの所まで除去したくない場合"
                                    "は\r\n残す余白幅を設定します"));
}

// --- closing the dialog ---

void SplitDialog::returnToMainWindow() {
    QWidget& main = windows_.main->window();
    main.setEnabled(true);
    // The item the status bar names becomes the list's current item again
    // and is selected; the other selected items stay selected. With no
    // current item (-1) the selection is left as it is rather than cleared,
    // so cancelling never throws away the user's marks.
    QListWidget& list = windows_.main->catalogueList();
    if (state_.CurrentIndex >= 0 && state_.CurrentIndex < list.count()) {
        list.selectionModel()->setCurrentIndex(list.model()->index(state_.CurrentIndex, 0),
                                               QItemSelectionModel::Select);
    }
}

void SplitDialog::Button2Click() {
    hide();
    returnToMainWindow();
}

void SplitDialog::closeEvent(QCloseEvent* event) {
    returnToMainWindow();
    event->accept();
}

void SplitDialog::Button3Click() {
    windows_.folderChooser->openFor(*this);
}

// --- options ---

void SplitDialog::Button4Click() {
    Edit2->step(StepDirection::Up, kEmptyStepsUpFrom, 100);
}
void SplitDialog::Button5Click() {
    Edit2->step(StepDirection::Down, QStringLiteral("110"), 0);
}
void SplitDialog::Button6Click() {
    Edit3->step(StepDirection::Up, kEmptyStepsUpFrom, 255);
}
void SplitDialog::Button7Click() {
    Edit3->step(StepDirection::Down, QStringLiteral("265"), 0);
}
void SplitDialog::Button8Click() {
    Edit4->step(StepDirection::Up, kEmptyStepsUpFrom, 9999);
}
void SplitDialog::Button9Click() {
    Edit4->step(StepDirection::Down, QStringLiteral("10009"), 0);
}
void SplitDialog::Button10Click() {
    Edit5->step(StepDirection::Up, kEmptyStepsUpFrom, 9999);
}
void SplitDialog::Button11Click() {
    Edit5->step(StepDirection::Down, QStringLiteral("10009"), 0);
}

void SplitDialog::CheckBox2Click() {
    if (CheckBox2->isChecked())
        CheckBox3->setChecked(false);
}

void SplitDialog::CheckBox3Click() {
    if (CheckBox3->isChecked())
        CheckBox2->setChecked(false);
}

void SplitDialog::CheckBox4Click() {
    const bool on = CheckBox4->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Edit3, Button6, Button7, Edit4, Button8, Button9}) {
        control->setEnabled(on);
    }
}

void SplitDialog::CheckBox5Click() {
    const bool on = CheckBox5->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{Edit5, Button10, Button11}) {
        control->setEnabled(on);
    }
}

void SplitDialog::CheckBox6Click() {
    const bool on = CheckBox6->isChecked();
    RadioButton1->setEnabled(on);
    RadioButton2->setEnabled(on);
}

void SplitDialog::CheckBox7Click() {
    const bool on = CheckBox7->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{CheckBox1, CheckBox2, CheckBox3,
                                                            RadioGroup1, Panel8, Panel7}) {
        showHint(*control, on);
    }
}

void SplitDialog::RadioGroup1Click() {
    if (RadioGroup1->itemIndex() == kNoCutItem) {
        CheckBox5->setChecked(false);
        CheckBox5->setEnabled(false);
    } else {
        CheckBox5->setEnabled(true);
    }
}

void SplitDialog::RadioGroup2Click() {
    const bool jpeg = RadioGroup2->itemIndex() != kBmpItem;
    Edit2->setEnabled(jpeg);
    Button4->setEnabled(jpeg);
    Button5->setEnabled(jpeg);
}

split::SplitOptions SplitDialog::optionsFromControls() const {
    split::SplitOptions options;
    options.destination = Edit1->text();
    options.sourceNamedSubfolder = CheckBox1->isChecked();
    options.copyUnselected = CheckBox2->isChecked();
    options.resaveUnselected = CheckBox3->isChecked();
    options.soundOnCompletion = CheckBox8->isChecked();
    options.direction = static_cast<split::SplitDirection>(RadioGroup1->itemIndex());
    options.removeCentre = CheckBox5->isChecked();
    options.centreWidth = numberIn(*Edit5);
    options.removeMargins = CheckBox4->isChecked();
    options.marginThreshold = numberIn(*Edit3);
    options.keptMargin = numberIn(*Edit4);
    options.turn = CheckBox6->isChecked();
    options.turnDirection =
        RadioButton2->isChecked() ? split::TurnDirection::Right : split::TurnDirection::Left;
    options.format =
        RadioGroup2->itemIndex() == kBmpItem ? split::OutputFormat::Bmp : split::OutputFormat::Jpeg;
    options.jpegQuality = numberIn(*Edit2);
    return options;
}

// --- margin removal and quarter turn of one part ---

void SplitDialog::YOHAKU(int PartNumber) {
    std::optional<QImage>& part = PartNumber == 1 ? state_.ScratchBitmap : state_.ScratchBitmap2;
    if (!part)
        return;
    QImage trimmed = split::removeMargins(*part, numberIn(*Edit3), numberIn(*Edit4));
    // Out of memory leaves the part as it was.
    if (!trimmed.isNull())
        part = std::move(trimmed);
}

void SplitDialog::KAITEN(int PartNumber) {
    std::optional<QImage>& part = PartNumber == 1 ? state_.ScratchBitmap : state_.ScratchBitmap2;
    if (!part)
        return;
    const auto direction =
        RadioButton2->isChecked() ? split::TurnDirection::Right : split::TurnDirection::Left;
    QImage turned = split::turnQuarter(*part, direction);
    if (!turned.isNull())
        part = std::move(turned);
}

// --- the batch ---

void SplitDialog::restoreDefaultTexts() {
    if (Edit2->text().isEmpty())
        Edit2->setText(kDefaultQuality);
    if (Edit3->text().isEmpty())
        Edit3->setText(kDefaultThreshold);
    if (Edit4->text().isEmpty())
        Edit4->setText(kDefaultKeptMargin);
    if (Edit5->text().isEmpty())
        Edit5->setText(kDefaultCentreWidth);
}

split::SplitItem SplitDialog::catalogueItem(int index) const {
    const QListWidgetItem* item = windows_.main->catalogueList().item(index);
    const QString caption = item ? item->text() : QString();
    return split::SplitItem{imaging::joinPath(state_.CurrentFolder, caption), caption,
                            item && item->isSelected()};
}

int SplitDialog::lastCatalogueIndex() const {
    return windows_.main->catalogueList().count() - 1;
}

void SplitDialog::workAheadFrom(int index) {
    batch_->prefetch.keepAhead(index, lastCatalogueIndex(),
                               [this](int item) { return catalogueItem(item); });
}

void SplitDialog::Button1Click() {
    restoreDefaultTexts();
    if (!QFileInfo(Edit1->text()).isDir())
        return;

    const split::SplitOptions options = optionsFromControls();
    if (options.sourceNamedSubfolder) {
        state_.WorkText = split::lastFolderName(state_.CurrentFolder);
        state_.OutputFolder = split::outputFolderFor(Edit1->text(), state_.CurrentFolder, true);
        // A folder that cannot be made shows up as failed writes.
        split::ensureFolder(state_.OutputFolder);
    } else {
        state_.OutputFolder = Edit1->text();
    }

    const QListWidget& list = windows_.main->catalogueList();
    const int selected = static_cast<int>(list.selectedItems().size());
    state_.WorkText = QString::number(split::batchTotal(list.count(), selected, options));
    state_.WorkIndex = 0;
    state_.WorkNumber = 1;

    QStringList sources;
    for (int i = 0; i < list.count(); ++i)
        sources << catalogueItem(i).sourcePath;
    batch_ = std::make_unique<Batch>(options, state_.OutputFolder, sources);
    workAheadFrom(0);

    windows_.noticeBox->showBatchProgress(
        QStringLiteral("%1 / %2").arg(state_.WorkNumber).arg(state_.WorkText));
    hide();
    Timer1->start();
}

void SplitDialog::Timer1Timer() {
    if (!batch_) {
        Timer1->stop();
        return;
    }
    const int index = state_.WorkIndex;
    workAheadFrom(index);
    std::optional<split::ItemWork> work = batch_->prefetch.take(index);
    // Still being worked on: look again at the next tick.
    if (!work)
        return;
    workAheadFrom(index + 1);

    const split::CommitReport report = split::commitItem(*work, batch_->sources);
    batch_->failures.record(catalogueItem(index), batch_->options, *work, report);
    state_.WorkNumber += work->numberStep;
    if (const auto line = split::progressLine(state_.WorkNumber, state_.WorkText.toInt())) {
        windows_.noticeBox->updateBatchProgress(*line);
    }
    ++state_.WorkIndex;
    if (state_.WorkIndex > lastCatalogueIndex())
        finishBatch();
}

void SplitDialog::finishBatch() {
    if (batch_->options.soundOnCompletion && completionSoundOpened()) {
        MediaPlayer1->stop();
        MediaPlayer1->play();
    }
    const split::BatchFailures& failures = batch_->failures;
    windows_.noticeBox->showBatchEnd(split::completionMessage(failures.count()),
                                     failures.count() > 0 ? failures.firstFileName() : QString());
    stopBatch();
}

void SplitDialog::stopBatch() {
    Timer1->stop();
    // Work started for the next item is dropped unwritten.
    batch_.reset();
}

void SplitDialog::setDestination(const QString& folder) {
    Edit1->setText(folder);
}

void SplitDialog::openCompletionSound(const QString& fileName) {
    MediaPlayer1->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

bool SplitDialog::completionSoundOpened() const {
    return !MediaPlayer1->source().isEmpty();
}
