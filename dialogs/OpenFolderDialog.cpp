#include "dialogs/OpenFolderDialog.h"

#include "dialogs/FolderTree.h"
#include "dialogs/NoticeBox.h"
#include "model/NonUtf8Names.h"
#include "widgets/FormLook.h"
#include "widgets/Hints.h"
#include "widgets/TextWidth.h"

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

OpenFolderDialog::OpenFolderDialog(NoticeBox& notices) : notices_(notices) {
    setObjectAndAccessibleName(*this, QStringLiteral("Form2"));
    makeDialogWindow(*this, 680, 428, CloseButton::Shown);
    setWindowTitle(tr("Open"));

    folderTree = named(new FolderTree(this), QStringLiteral("ShellTreeView1"), tr("Folders"));
    folderTree->setGeometry(8, 8, 281, 409);

    fileList = named(new QTreeWidget(this), QStringLiteral("ShellListView1"), tr("Files"));
    fileList->setGeometry(kListGeometry);
    fileList->setHeaderLabels({tr("Name"), tr("Size"), tr("Modified")});
    fileList->setRootIsDecorated(false);
    fileList->setUniformRowHeights(true);
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The entries keep the listing's natural order: item i is file i of the catalogue.
    fileList->setSortingEnabled(false);
    fileList->header()->setSectionsClickable(false);
    fileList->header()->setDefaultAlignment(Qt::AlignLeft);

    // A bare number: screen readers read it, and say what it counts.
    fileCountLabel = named(new QLabel(QStringLiteral("0"), this), QStringLiteral("Label1"));
    fileCountLabel->setAccessibleDescription(tr("Number of files"));
    setPixelFont(*fileCountLabel, 16);
    fileCountLabel->setGeometry(488, 8, 185, std::max(16, textBoxHeight(*fileCountLabel)));
    fileCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    setDefaultButton =
        pushButton(this, QStringLiteral("Button3"), tr("Set default"), QRect(296, 8, 97, 17));
    okButton =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(304, 392, 73, 25));
    cancelButton =
        pushButton(this, QStringLiteral("Button2"), tr("Cancel"), QRect(392, 392, 75, 25));
    slowReadingBox = named(new QCheckBox(tr("Slow read"), this), QStringLiteral("CheckBox2"));
    slowReadingBox->setGeometry(512, 400, 73, 17);
    widenToShowText(*slowReadingBox);
    showHintsBox = named(new QCheckBox(tr("Hints"), this), QStringLiteral("CheckBox1"));
    showHintsBox->setGeometry(600, 400, 73, 17);
    widenToShowText(*showHintsBox);
    showHintsBox->setChecked(true);

    // Its accessible name is left to Qt, which reads the text.
    unlistedNamesNote = new QLabel(this);
    unlistedNamesNote->setObjectName(QStringLiteral("UnlistedNamesNote"));
    unlistedNamesNote->setWordWrap(true);
    unlistedNamesNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warning = unlistedNamesNote->palette();
    warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
    unlistedNamesNote->setPalette(warning);
    unlistedNamesNote->hide();

    connect(folderTree, &FolderTree::folderChanged, this, &OpenFolderDialog::listFolder);
    connect(folderTree, &FolderTree::keyReleased, this, &OpenFolderDialog::reloadOnF5);
    connect(fileList, &QTreeWidget::itemDoubleClicked, this, [this] { openPreviewOfSelected(); });
    // The list shows the listing's selection, whoever makes it.
    connect(fileList, &QTreeWidget::itemSelectionChanged, this,
            [this] { listing_.takeSelected(selectedIndex()); });
    connect(&listing_, &model::ListedPictures::selectionChanged, this,
            &OpenFolderDialog::setSelectedIndex);
    connect(showHintsBox, &QCheckBox::toggled, this, &OpenFolderDialog::showHints);
    connect(okButton, &QPushButton::clicked, this, &OpenFolderDialog::openListedFiles);
    connect(cancelButton, &QPushButton::clicked, this, &OpenFolderDialog::cancel);
    connect(setDefaultButton, &QPushButton::clicked, this, &OpenFolderDialog::setAsDefault);

    setHint(*setDefaultButton, tr("Opens this folder\r\nwhen Quillfold starts"));
    setHint(*slowReadingBox, tr("Tick this when\r\nlarge pictures show\r\nno thumbnail"));
    setHint(*fileList, tr("Double-click to show\r\nWhile shown\r\n[→][X] next\r\n[←][Z] back"));
    // Narrow until the list first shows a folder, which sets the normal widths.
    fileList->setColumnWidth(0, 1);
}

void OpenFolderDialog::open() {
    show();
    raise();
    activateWindow();
    folderTree->setFocus();
    // The tree and the file list show the disk as it is now.
    refresh();
}

void OpenFolderDialog::selectFolder(const QString& folder) {
    folderTree->selectFolder(folder);
}

void OpenFolderDialog::refresh() {
    folderTree->reload();
}

QString OpenFolderDialog::entryPath(int entry) const {
    if (listing_.folder().isEmpty() || entry < 0 || entry >= fileCount())
        return {};
    return listing_.path(entry);
}

int OpenFolderDialog::selectedIndex() const {
    const QList<QTreeWidgetItem*> selected = fileList->selectedItems();
    return selected.isEmpty() ? -1 : fileList->indexOfTopLevelItem(selected.front());
}

void OpenFolderDialog::setSelectedIndex(int entry) {
    QTreeWidgetItem* const item = fileList->topLevelItem(entry);
    if (item == nullptr)
        return;
    fileList->setCurrentItem(item);
    fileList->scrollToItem(item);
}

bool OpenFolderDialog::slowReading() const {
    return slowReadingBox->isChecked();
}

void OpenFolderDialog::fillList(const QString& folder) {
    listing_.list(folder);
    fileList->clear();
    const QDir dir(folder);
    QList<QTreeWidgetItem*> entries;
    entries.reserve(fileCount());
    for (const QString& name : listing_.fileNames())
        entries.push_back(listEntry(dir, name));
    fileList->addTopLevelItems(entries);
    for (size_t column = 0; column < kColumnWidths.size(); ++column) {
        fileList->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
    }
}

void OpenFolderDialog::showUnlistedNames(const QString& folder) {
    const model::NonUtf8Names unlisted = model::findNonUtf8Names(folder);
    const QString note = model::nonUtf8Note(unlisted);
    unlistedNamesNote->setText(note);
    unlistedNamesNote->setToolTip(model::nonUtf8NameList(unlisted));
    if (note.isEmpty()) {
        unlistedNamesNote->hide();
        fileList->setGeometry(kListGeometry);
        return;
    }
    // Sized from the font, so neither line is cut.
    const int noteHeight = kNoteLines * unlistedNamesNote->fontMetrics().lineSpacing() + 2;
    unlistedNamesNote->setGeometry(kListGeometry.left(), kListGeometry.bottom() + 1 - noteHeight,
                                   kListGeometry.width(), noteHeight);
    fileList->setGeometry(kListGeometry.adjusted(0, 0, 0, -noteHeight - 4));
    unlistedNamesNote->show();
}

void OpenFolderDialog::listFolder(const QString& folder) {
    fillList(folder);
    showUnlistedNames(folder);
    fileCountLabel->setText(tr("%1 Files").arg(fileCount()));
}

void OpenFolderDialog::reloadOnF5(int key) {
    if (key == Qt::Key_F5)
        folderTree->reload();
}

void OpenFolderDialog::showHints() {
    const bool shown = showHintsBox->isChecked();
    showHint(*fileList, shown);
    showHint(*slowReadingBox, shown);
    showHint(*setDefaultButton, shown);
}

void OpenFolderDialog::setAsDefault() {
    emit defaultFolderChosen(folderTree->selectedFolder());
    notices_.notify(this, tr("Set"));
}

QString OpenFolderDialog::tooManyFilesText() {
    return tr("At most 9999 files can be opened");
}

void OpenFolderDialog::openListedFiles() {
    const int count = fileCount();
    if (count > kMaxFiles) {
        notices_.notify(this, tooManyFilesText());
        return;
    }
    // Without a selected folder there is nothing to open either.
    if (count == 0 || listedFolder().isEmpty())
        return;
    closeDialog();
    emit folderChosen(listedFolder(), fileNames(), slowReading());
}

void OpenFolderDialog::cancel() {
    closeDialog();
}

void OpenFolderDialog::closeDialog() {
    hide();
    emit closed();
}

void OpenFolderDialog::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}

void OpenFolderDialog::openPreviewOfSelected() {
    if (selectedIndex() >= 0) {
        emit previewRequested();
    }
}
