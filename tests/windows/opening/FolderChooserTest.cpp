// The folder chooser: picking the split job's destination, cancel, close,
// set as default, F5, the tab order, and the default folder at start-up.
#include "tests/windows/ProgramFixture.h"

#include "dialogs/FolderChooser.h"
#include "dialogs/FolderTree.h"
#include "dialogs/NoticeBox.h"
#include "model/SettingsRecord.h"
#include "split/SplitDialog.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class FolderChooserTest : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(folders_.isValid());
        ASSERT_TRUE(QDir(folders_.path()).mkpath(QStringLiteral("scans/vol1")));
        ProgramFixture::SetUp();
    }

    QString folder(const QString& relative = QString()) const {
        return QDir::cleanPath(QDir(folders_.path()).filePath(relative));
    }
    void openChooser() {
        splitDialog().show();
        splitDialog().browseDestination();
        ASSERT_TRUE(folderChooser().isVisible());
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString destination() { return splitDialog().destinationEdit->text(); }
    bool backInSplitDialog() { return !folderChooser().isVisible() && splitDialog().isEnabled(); }

    QTemporaryDir folders_;
};

TEST_F(FolderChooserTest, OpensOverTheDisabledSplitDialogWithCancelFocused) {
    openChooser();
    EXPECT_EQ(folderChooser().windowTitle(), "フォルダ選択");
    EXPECT_FALSE(splitDialog().isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&folderChooser()));
    EXPECT_TRUE(folderChooser().cancelButton->hasFocus());
    // Tab order: tree, cancel, OK, set as default.
    folderChooser().folderTree->setFocus();
    const QWidget* expected[] = {folderChooser().cancelButton, folderChooser().okButton,
                                 folderChooser().setDefaultButton, folderChooser().folderTree};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(FolderChooserTest, OkWritesTheSelectedFolderIntoTheDestinationBox) {
    openChooser();
    ASSERT_TRUE(folderChooser().folderTree->selectFolder(folder("scans")));
    click(folderChooser().okButton);
    EXPECT_EQ(destination(), folder("scans"));
    EXPECT_TRUE(backInSplitDialog());

    // Reopened, it shows the folder picked last; the root keeps its separator.
    openChooser();
    EXPECT_EQ(folderChooser().folderTree->selectedFolder(), folder("scans"));
    ASSERT_TRUE(folderChooser().folderTree->selectFolder(QDir::rootPath()));
    click(folderChooser().okButton);
    EXPECT_EQ(destination(), QDir::toNativeSeparators(QDir::rootPath()));
}

TEST_F(FolderChooserTest, CancelAndCloseKeepTheDestination) {
    splitDialog().destinationEdit->setText(QStringLiteral("/before"));
    openChooser();
    folderChooser().folderTree->selectFolder(folder("scans"));
    click(folderChooser().cancelButton);
    EXPECT_EQ(destination(), "/before");
    EXPECT_TRUE(backInSplitDialog());

    openChooser();
    folderChooser().close();
    EXPECT_EQ(destination(), "/before");
    EXPECT_TRUE(backInSplitDialog());
}

TEST_F(FolderChooserTest, SetAsDefaultThenCancelKeepsTheDestination) {
    splitDialog().destinationEdit->setText(QStringLiteral("/before"));
    openChooser();
    folderChooser().folderTree->selectFolder(folder("scans/vol1"));
    click(folderChooser().setDefaultButton);
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "設定しました");
    EXPECT_FALSE(folderChooser().isEnabled());
    pressNoticeOk();
    EXPECT_TRUE(folderChooser().isEnabled());
    EXPECT_EQ(settings().defaultSaveFolder, folder("scans/vol1"));
    click(folderChooser().cancelButton);
    EXPECT_EQ(destination(), "/before");

    // OK without another change puts the same folder into the box.
    openChooser();
    click(folderChooser().okButton);
    EXPECT_EQ(destination(), folder("scans/vol1"));
}

TEST_F(FolderChooserTest, TheTreeShowsNewFoldersOnlyAfterF5) {
    openChooser();
    FolderTree& tree = *folderChooser().folderTree;
    ASSERT_TRUE(tree.selectFolder(folder("scans")));
    tree.expand(tree.currentIndex());
    const auto children = [&tree] { return tree.model()->rowCount(tree.currentIndex()); };
    ASSERT_TRUE(waitFor([&] { return children() == 1; }));

    ASSERT_TRUE(QDir(folder("scans")).mkdir(QStringLiteral("vol2")));
    QTest::qWait(300);
    EXPECT_EQ(children(), 1);
    // Other keys do nothing (a function key: a letter would jump to a folder).
    QTest::keyClick(&tree, Qt::Key_F6);
    QTest::qWait(100);
    EXPECT_EQ(children(), 1);

    QTest::keyClick(&tree, Qt::Key_F5);
    EXPECT_EQ(tree.selectedFolder(), folder("scans"));
    EXPECT_TRUE(tree.isExpanded(tree.currentIndex()));
    EXPECT_TRUE(waitFor([&] { return children() == 2; }));
}

// Start-up with a settings file whose last line names a destination folder.
class ChooserDefaultAtStartUp : public FolderChooserTest {
protected:
    ChooserDefaultAtStartUp() { startAutomatically = false; }

    void startWithSaveFolder(const QString& saveFolder) {
        SettingsRecord record = designedSettings();
        record.texts[7] = saveFolder;
        testing_support::writeBytes(pathInStart(QStringLiteral("Quillfold.ini")),
                                    formatSettings(record));
        startProgram();
    }
};

TEST_F(ChooserDefaultAtStartUp, AnExistingDefaultIsSelected) {
    startWithSaveFolder(folder("scans/vol1"));
    EXPECT_EQ(folderChooser().folderTree->selectedFolder(), folder("scans/vol1"));
    EXPECT_EQ(destination(), folder("scans/vol1"));
    EXPECT_EQ(settings().defaultSaveFolder, folder("scans/vol1"));
}

TEST_F(ChooserDefaultAtStartUp, AMissingDefaultIsIgnored) {
    startWithSaveFolder(folder("gone"));
    EXPECT_EQ(folderChooser().folderTree->selectedFolder(),
              QDir::toNativeSeparators(QDir::homePath()));
    EXPECT_EQ(destination(), "");
    EXPECT_EQ(settings().defaultSaveFolder, "");
}

}  // namespace
