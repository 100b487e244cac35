// The open-folder dialog: its file list, the count, hints, set as default,
// OK's limits and refusals, cancel and close.
#include "tests/windows/opening/OpeningFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/FolderTree.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/SettingsDialog.h"
#include "model/SettingsRecord.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <unistd.h>
#include <cstdio>

namespace {

using OpenDialog = OpeningFixture;

QStringList listed(OpenFolderDialog& dialog) {
    QStringList names;
    for (int row = 0; row < dialog.fileList->topLevelItemCount(); ++row) {
        names.push_back(dialog.fileList->topLevelItem(row)->text(0));
    }
    return names;
}

TEST_F(OpenDialog, ListsJpgAndBmpFilesInNaturalOrder) {
    for (const char* name :
         {"A.JPG", "b.jpg", "c.jpeg", "d.bmp", "e.png", "jpg", "p10.Bmp", "p2.jpg"}) {
        writeEmpty(QString::fromLatin1(name));
    }
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("sub.jpg")));
    // Until a folder is shown the label keeps its designed "0".
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "0");
    openDialogOn(folder());
    EXPECT_EQ(listed(openFolderDialog()),
              QStringList({"A.JPG", "b.jpg", "d.bmp", "p2.jpg", "p10.Bmp"}));
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "5 Files");
    EXPECT_EQ(openFolderDialog().entryPath(3), QDir(folder()).filePath("p2.jpg"));
}

// The dialog's labels the user sees, apart from the file count.
QList<QLabel*> shownNotes(OpenFolderDialog& dialog) {
    QList<QLabel*> notes;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label != dialog.fileCountLabel && label->isVisible())
            notes.push_back(label);
    }
    return notes;
}

TEST_F(OpenDialog, NamesThatAreNotUtf8AreCountedAndTheUserIsTold) {
    using testing_support::makeRawNamedFolder;
    using testing_support::rawPath;
    const testing_support::TreeRemover removeAtEnd(folder());
    writeEmpty(QStringLiteral("p1.jpg"));
    writeEmpty(QStringLiteral("p3.jpg"));
    testing_support::writeRawNamed(folder(), "p2\xff.jpg", "x");
    makeRawNamedFolder(folder(), "scans\xff");
    openDialogOn(folder());

    EXPECT_EQ(listed(openFolderDialog()), QStringList({"p1.jpg", "p3.jpg"}));
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "2 Files");
    const QList<QLabel*> notes = shownNotes(openFolderDialog());
    ASSERT_EQ(notes.size(), 1);
    QLabel& note = *notes.front();
    EXPECT_EQ(note.text(),
              "名前が UTF-8 でないファイル 1 個とフォルダ 1 個は表示できません。"
              "名前を付け直すと開けます。");
    EXPECT_EQ(note.toolTip(), QStringLiteral("p2\uFFFD.jpg\nscans\uFFFD"));
    // Whole, inside the dialog, and not over the list.
    EXPECT_LE(note.heightForWidth(note.width()), note.height());
    EXPECT_TRUE(openFolderDialog().rect().contains(note.geometry()));
    EXPECT_FALSE(note.geometry().intersects(openFolderDialog().fileList->geometry()));

    // Renamed outside the program, the page is listed after F5 and the note goes.
    ASSERT_EQ(::rename(rawPath(folder(), "p2\xff.jpg").constData(),
                       rawPath(folder(), "p2.jpg").constData()),
              0);
    ASSERT_EQ(::rmdir(rawPath(folder(), "scans\xff").constData()), 0);
    QTest::keyClick(openFolderDialog().folderTree, Qt::Key_F5);
    EXPECT_EQ(listed(openFolderDialog()), QStringList({"p1.jpg", "p2.jpg", "p3.jpg"}));
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "3 Files");
    EXPECT_TRUE(shownNotes(openFolderDialog()).isEmpty());
    EXPECT_EQ(openFolderDialog().fileList->geometry(), QRect(296, 32, 377, 353));
}

TEST_F(OpenDialog, OpensOverTheDisabledMainWindowWithTheTreeFocused) {
    mainWindow().openAction->trigger();
    EXPECT_TRUE(openFolderDialog().isVisible());
    EXPECT_FALSE(mainWindow().isEnabled());
    EXPECT_EQ(openFolderDialog().windowTitle(), "開く");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&openFolderDialog()));
    EXPECT_TRUE(openFolderDialog().folderTree->hasFocus());
    // Something is always selected at first: the home folder.
    EXPECT_EQ(openFolderDialog().listedFolder(), QDir::toNativeSeparators(QDir::homePath()));
}

TEST_F(OpenDialog, TheListIsASnapshotReadAgainOnF5AndAtTheNextOpening) {
    writeEmpty(QStringLiteral("p1.jpg"));
    openDialogOn(folder());
    writeEmpty(QStringLiteral("p2.jpg"));
    QTest::qWait(100);
    EXPECT_EQ(openFolderDialog().fileCount(), 1);
    QTest::keyClick(openFolderDialog().folderTree, Qt::Key_F5);
    EXPECT_EQ(openFolderDialog().fileCount(), 2);
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "2 Files");

    writeEmpty(QStringLiteral("p3.jpg"));
    QTest::mouseClick(openFolderDialog().cancelButton, Qt::LeftButton);
    mainWindow().openAction->trigger();
    EXPECT_EQ(openFolderDialog().listedFolder(), folder());
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "3 Files");
}

TEST_F(OpenDialog, HintsFollowTheirCheckBox) {
    EXPECT_TRUE(openFolderDialog().showHintsBox->isChecked());
    EXPECT_FALSE(openFolderDialog().slowReadingBox->isChecked());
    EXPECT_EQ(openFolderDialog().setDefaultButton->toolTip(),
              "このフォルダを起動時に\n開く様にします");
    EXPECT_EQ(openFolderDialog().slowReadingBox->toolTip(),
              "大きいサイズの画像が\nサムネイル表示されない時に\nチェックしてみて下さい");
    EXPECT_EQ(openFolderDialog().fileList->toolTip(),
              "ダブルクリックで表示します\n表示中\n[→][X]キー 次へ\n[←][Z]キー 戻る");
    QTest::mouseClick(openFolderDialog().showHintsBox, Qt::LeftButton);
    EXPECT_TRUE(openFolderDialog().setDefaultButton->toolTip().isEmpty());
    EXPECT_TRUE(openFolderDialog().slowReadingBox->toolTip().isEmpty());
    EXPECT_TRUE(openFolderDialog().fileList->toolTip().isEmpty());
    QTest::mouseClick(openFolderDialog().showHintsBox, Qt::LeftButton);
    EXPECT_EQ(openFolderDialog().setDefaultButton->toolTip(),
              "このフォルダを起動時に\n開く様にします");
}

TEST_F(OpenDialog, SetAsDefaultRemembersTheFolderWithANotice) {
    openDialogOn(folder());
    QTest::mouseClick(openFolderDialog().setDefaultButton, Qt::LeftButton);
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "設定しました");
    EXPECT_FALSE(openFolderDialog().isEnabled());
    EXPECT_EQ(settings().defaultOpenFolder, folder());
    pressNoticeOk();
    EXPECT_TRUE(openFolderDialog().isEnabled());
    EXPECT_TRUE(openFolderDialog().isVisible());
}

TEST_F(OpenDialog, CancelAndCloseLeaveTheCatalogueAsItWas) {
    openDialogOn(folder());
    QTest::mouseClick(openFolderDialog().cancelButton, Qt::LeftButton);
    EXPECT_FALSE(openFolderDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
    openDialogOn(folder());
    openFolderDialog().close();
    EXPECT_FALSE(openFolderDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(panel(0), "");
    EXPECT_EQ(catalogue().folder(), "");
}

TEST_F(OpenDialog, OkWithoutFilesOrWithoutAFolderDoesNothing) {
    openDialogOn(folder());
    QTest::mouseClick(openFolderDialog().okButton, Qt::LeftButton);
    EXPECT_TRUE(openFolderDialog().isVisible());
    EXPECT_FALSE(noticeShown());
    EXPECT_EQ(panel(0), "");

    writeEmpty(QStringLiteral("p1.jpg"));
    QTest::keyClick(openFolderDialog().folderTree, Qt::Key_F5);
    openFolderDialog().folderTree->selectionModel()->clearSelection();
    EXPECT_EQ(openFolderDialog().folderTree->selectedFolder(), "");
    EXPECT_EQ(openFolderDialog().fileCount(), 0);
    QTest::mouseClick(openFolderDialog().okButton, Qt::LeftButton);
    EXPECT_TRUE(openFolderDialog().isVisible());
    EXPECT_FALSE(noticeShown());
    EXPECT_EQ(catalogue().folder(), "");
}

TEST_F(OpenDialog, AtMost9999FilesCanBeOpened) {
    for (int n = 0; n < 10000; ++n)
        writeEmpty(QStringLiteral("f%1.jpg").arg(n));
    openDialogOn(folder());
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "10000 Files");
    QTest::mouseClick(openFolderDialog().okButton, Qt::LeftButton);
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "開けるファイル数は9999までです");
    EXPECT_FALSE(openFolderDialog().isEnabled());
    pressNoticeOk();
    EXPECT_TRUE(openFolderDialog().isVisible());
    EXPECT_EQ(panel(0), "");

    ASSERT_TRUE(QFile::remove(file(QStringLiteral("f0.jpg"))));
    QTest::keyClick(openFolderDialog().folderTree, Qt::Key_F5);
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "9999 Files");
    QTest::mouseClick(openFolderDialog().okButton, Qt::LeftButton);
    EXPECT_FALSE(noticeShown());
    EXPECT_FALSE(openFolderDialog().isVisible());
    EXPECT_EQ(panel(0), "読込中");
    EXPECT_EQ(catalogue().folder(), folder());
    mainWindow().abortLoading();
    EXPECT_EQ(panel(0), "読込中断");
}

TEST_F(OpenDialog, OkHandsTheFolderAndTheThumbnailSizeToTheLoader) {
    writeBmp(QStringLiteral("p1.bmp"), testing_support::patternImage(30, 20));
    settingsDialog().thumbnailSizeEdit->setText(QStringLiteral("100"));
    trimmingView().setWindowTitle(QStringLiteral("p9.jpg"));
    openDialogOn(folder());
    QTest::mouseClick(openFolderDialog().okButton, Qt::LeftButton);
    EXPECT_EQ(catalogue().folder(), folder());
    EXPECT_TRUE(trimmingView().windowTitle().isEmpty());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(mainWindow().catalogueList().iconSize(), QSize(100, 100));
    EXPECT_EQ(mainWindow().catalogueList().gridSize(), QSize(120, 120));
    waitUntilLoaded();
    EXPECT_EQ(thumbnail(0).size(), QSize(100, 100));
}

TEST_F(OpenDialog, ASizeThatIsNotANumberOpensWithTheDesigned80) {
    writeBmp(QStringLiteral("p1.bmp"), testing_support::patternImage(30, 20));
    settingsDialog().thumbnailSizeEdit->setText(QString());
    startLoading(folder());
    EXPECT_EQ(mainWindow().catalogueList().iconSize(), QSize(80, 80));
    EXPECT_EQ(mainWindow().catalogueList().gridSize(), QSize(100, 100));
    waitUntilLoaded();
}

// Start-up with a settings file naming the folder to open.
class OpenDialogDefault : public OpeningFixture {
protected:
    OpenDialogDefault() { startAutomatically = false; }

    void startWithOpenFolder(const QString& openFolder) {
        SettingsRecord record = designedSettings();
        record.texts[6] = openFolder;
        testing_support::writeBytes(pathInStart(QStringLiteral("Quillfold.ini")),
                                    formatSettings(record));
        startProgram();
    }
};

TEST_F(OpenDialogDefault, AnExistingDefaultIsShownAtTheFirstOpening) {
    writeEmpty(QStringLiteral("p1.jpg"));
    startWithOpenFolder(folder());
    EXPECT_EQ(settings().defaultOpenFolder, folder());
    mainWindow().openAction->trigger();
    EXPECT_EQ(openFolderDialog().folderTree->selectedFolder(), folder());
    EXPECT_EQ(openFolderDialog().fileCountLabel->text(), "1 Files");
}

TEST_F(OpenDialogDefault, AMissingDefaultLeavesTheHomeFolderSelected) {
    startWithOpenFolder(file(QStringLiteral("gone")));
    EXPECT_EQ(settings().defaultOpenFolder, "");
    mainWindow().openAction->trigger();
    EXPECT_EQ(openFolderDialog().folderTree->selectedFolder(),
              QDir::toNativeSeparators(QDir::homePath()));
}

}  // namespace
