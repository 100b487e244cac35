#include "dialogs/OpenFolderDialog.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/Hints.h"
#include "core/NumberEdit.h"
#include "core/WindowPorts.h"
#include "dialogs/FolderListing.h"
#include "dialogs/FolderTree.h"
#include "dialogs/NonUtf8Names.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/ThumbnailSide.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QTreeWidget>

#include <algorithm>
#include <array>

namespace {

// The report view's columns and their normal widths.
const std::array<int, 3> kColumnWidths = {200, 64, 100};

// The file list's designed place; the note about unlisted names takes the
// bottom of it while shown.
const QRect kListGeometry(296, 32, 377, 353);
constexpr int kNoteLines = 2;

QTreeWidgetItem* listEntry(const QDir& folder, const QString& name) {
    const QFileInfo info(folder.filePath(name));
    const qint64 kilobytes = (info.size() + 1023) / 1024;
    return new QTreeWidgetItem(
        QStringList{name, QString::number(kilobytes) + QStringLiteral(" KB"),
                    info.lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm"))});
}

}  // namespace

OpenFolderDialog::OpenFolderDialog(AppState& state, Windows& windows)
    : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form2"));
    makeDialogWindow(*this, 680, 428, CloseButton::Shown);
    setWindowTitle(QStringLiteral("開く"));

    ShellTreeView1 =
        named(new FolderTree(this), QStringLiteral("ShellTreeView1"), QStringLiteral("フォルダ"));
    ShellTreeView1->setGeometry(8, 8, 281, 409);

    ShellListView1 = named(new QTreeWidget(this), QStringLiteral("ShellListView1"),
                           QStringLiteral("ファイル一覧"));
    ShellListView1->setGeometry(kListGeometry);
    ShellListView1->setHeaderLabels(
        {QStringLiteral("名前"), QStringLiteral("サイズ"), QStringLiteral("更新日時")});
    ShellListView1->setRootIsDecorated(false);
    ShellListView1->setUniformRowHeights(true);
    ShellListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ShellListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The entries keep the listing's natural order: item i is file i of the catalogue.
    ShellListView1->setSortingEnabled(false);
    ShellListView1->header()->setSectionsClickable(false);
    ShellListView1->header()->setDefaultAlignment(Qt::AlignLeft);

    // A bare number: screen readers read it, and say what it counts.
    Label1 = named(new QLabel(QStringLiteral("0"), this), QStringLiteral("Label1"));
    Label1->setAccessibleDescription(QStringLiteral("ファイル数"));
    setPixelFont(*Label1, 16);
    Label1->setGeometry(488, 8, 185, std::max(16, textBoxHeight(*Label1)));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Button3 = pushButton(this, QStringLiteral("Button3"), QStringLiteral("デフォルトに設定"),
                         QRect(296, 8, 97, 17));
    Button1 =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(304, 392, 73, 25));
    Button2 = pushButton(this, QStringLiteral("Button2"), QStringLiteral("キャンセル"),
                         QRect(392, 392, 75, 25));
    CheckBox2 = named(new QCheckBox(QStringLiteral("低速読み"), this), QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(512, 400, 73, 17);
    CheckBox1 =
        named(new QCheckBox(QStringLiteral("ヒント表示"), this), QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(600, 400, 73, 17);
    CheckBox1->setChecked(true);

    // Its accessible name is left to Qt, which reads the text.
    unlistedNamesNote = new QLabel(this);
    unlistedNamesNote->setObjectName(QStringLiteral("UnlistedNamesNote"));
    unlistedNamesNote->setWordWrap(true);
    unlistedNamesNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warning = unlistedNamesNote->palette();
    warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
    unlistedNamesNote->setPalette(warning);
    unlistedNamesNote->hide();

    connect(ShellTreeView1, &FolderTree::folderChanged, this,
            &OpenFolderDialog::ShellTreeView1Change);
    connect(ShellTreeView1, &FolderTree::keyReleased, this, &OpenFolderDialog::ShellTreeView1KeyUp);
    connect(ShellListView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { ShellListView1DblClick(); });
    connect(CheckBox1, &QCheckBox::toggled, this, &OpenFolderDialog::CheckBox1Click);
    connect(Button1, &QPushButton::clicked, this, &OpenFolderDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &OpenFolderDialog::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &OpenFolderDialog::Button3Click);

    FormCreate();
}

void OpenFolderDialog::FormCreate() {
    setHint(*Button3, QStringLiteral("このフォルダを起動時に\r\n開く様にします"));
    setHint(*CheckBox2,
            QStringLiteral(
                "大きいサイズの画像が\r\nサムネイル表示されない時に\r\nチェックしてみて下さい"));
    setHint(*ShellListView1,
            QStringLiteral(
                "ダブルクリックで表示します\r\n表示中\r\n[→][X]キー 次へ\r\n[←][Z]キー 戻る"));
    // Narrow until the list first shows a folder, which sets the normal widths.
    ShellListView1->setColumnWidth(0, 1);
}

void OpenFolderDialog::selectFolder(const QString& folder) {
    ShellTreeView1->selectFolder(folder);
}

void OpenFolderDialog::refresh() {
    ShellTreeView1->reload();
}

QString OpenFolderDialog::entryPath(int entry) const {
    if (folder_.isEmpty() || entry < 0 || entry >= fileCount())
        return {};
    return QDir(folder_).filePath(files_.at(entry));
}

int OpenFolderDialog::selectedIndex() const {
    const QList<QTreeWidgetItem*> selected = ShellListView1->selectedItems();
    return selected.isEmpty() ? -1 : ShellListView1->indexOfTopLevelItem(selected.front());
}

void OpenFolderDialog::setSelectedIndex(int entry) {
    QTreeWidgetItem* const item = ShellListView1->topLevelItem(entry);
    if (item == nullptr)
        return;
    ShellListView1->setCurrentItem(item);
    ShellListView1->scrollToItem(item);
}

bool OpenFolderDialog::slowReading() const {
    return CheckBox2->isChecked();
}

void OpenFolderDialog::fillList(const QString& folder) {
    folder_ = folder;
    files_ = dialogs::listPictureFiles(folder);
    ShellListView1->clear();
    const QDir dir(folder);
    QList<QTreeWidgetItem*> entries;
    entries.reserve(files_.size());
    for (const QString& name : files_)
        entries.push_back(listEntry(dir, name));
    ShellListView1->addTopLevelItems(entries);
    for (size_t column = 0; column < kColumnWidths.size(); ++column) {
        ShellListView1->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
    }
}

void OpenFolderDialog::showUnlistedNames(const QString& folder) {
    const dialogs::NonUtf8Names unlisted = dialogs::findNonUtf8Names(folder);
    const QString note = dialogs::nonUtf8Note(unlisted);
    unlistedNamesNote->setText(note);
    unlistedNamesNote->setToolTip(dialogs::nonUtf8NameList(unlisted));
    if (note.isEmpty()) {
        unlistedNamesNote->hide();
        ShellListView1->setGeometry(kListGeometry);
        return;
    }
    // Sized from the font, so neither line is cut.
    const int noteHeight = kNoteLines * unlistedNamesNote->fontMetrics().lineSpacing() + 2;
    unlistedNamesNote->setGeometry(kListGeometry.left(), kListGeometry.bottom() + 1 - noteHeight,
                                   kListGeometry.width(), noteHeight);
    ShellListView1->setGeometry(kListGeometry.adjusted(0, 0, 0, -noteHeight - 4));
    unlistedNamesNote->show();
}

void OpenFolderDialog::ShellTreeView1Change(const QString& folder) {
    fillList(folder);
    showUnlistedNames(folder);
    Label1->setText(QString::number(fileCount()) + QStringLiteral(" Files"));
}

void OpenFolderDialog::ShellTreeView1KeyUp(int key) {
    if (key == Qt::Key_F5)
        ShellTreeView1->reload();
}

void OpenFolderDialog::CheckBox1Click() {
    const bool shown = CheckBox1->isChecked();
    showHint(*ShellListView1, shown);
    showHint(*CheckBox2, shown);
    showHint(*Button3, shown);
}

void OpenFolderDialog::Button3Click() {
    state_.DefaultOpenFolder = ShellTreeView1->selectedFolder();
    windows_.noticeBox->notify(NoticeBox::ReturnTo::OpenFolderDialog, this,
                               QStringLiteral("設定しました"));
}

void OpenFolderDialog::Button1Click() {
    const int count = fileCount();
    if (count > kMaxFiles) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::OpenFolderDialog, this,
                                   QStringLiteral("開けるファイル数は9999までです"));
        return;
    }
    // Without a selected folder there is nothing to open either.
    if (count == 0 || folder_.isEmpty())
        return;

    state_.WorkText = windows_.settingsDialog->Edit1->text();
    const int side = dialogs::thumbnailSideOf(state_.WorkText);
    state_.CurrentFolder = folder_;
    returnToMainWindow();
    // An empty title makes the trimming view start its frame anew.
    windows_.trimming->window().setWindowTitle(QString());
    state_.WorkIndex = 0;
    windows_.main->beginLoading(side, count);
}

void OpenFolderDialog::Button2Click() {
    returnToMainWindow();
}

void OpenFolderDialog::returnToMainWindow() {
    hide();
    windows_.main->window().setEnabled(true);
}

void OpenFolderDialog::closeEvent(QCloseEvent* event) {
    windows_.main->window().setEnabled(true);
    event->accept();
}
