// The folder chooser: picking the split job's destination, cancel, close,
// set as default, F5, the tab order, and the default folder at start-up.
#include "tests/windows/ProgramFixture.h"

#include "core/AppState.h"
#include "core/SettingsRecord.h"
#include "dialogs/FolderTree.h"
#include "dialogs/TForm8.h"
#include "split/TForm3.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class FolderChooser : public ProgramFixture {
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
        form3().show();
        form8().openFor(form3());
        ASSERT_TRUE(form8().isVisible());
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString destination() { return form3().Edit1->text(); }
    bool backInSplitDialog() { return !form8().isVisible() && form3().isEnabled(); }

    QTemporaryDir folders_;
};

TEST_F(FolderChooser, OpensOverTheDisabledSplitDialogWithCancelFocused) {
    openChooser();
    EXPECT_EQ(form8().windowTitle(), "フォルダ選択");
    EXPECT_FALSE(form3().isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form8()));
    EXPECT_TRUE(form8().Button2->hasFocus());
    // Tab order: tree, cancel, OK, set as default.
    form8().ShellTreeView1->setFocus();
    const QWidget* expected[] = {form8().Button2, form8().Button1, form8().Button3,
                                 form8().ShellTreeView1};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(FolderChooser, OkWritesTheSelectedFolderIntoTheDestinationBox) {
    openChooser();
    ASSERT_TRUE(form8().ShellTreeView1->selectFolder(folder("scans")));
    click(form8().Button1);
    EXPECT_EQ(destination(), folder("scans"));
    EXPECT_TRUE(backInSplitDialog());

    // Reopened, it shows the folder picked last; the root keeps its separator.
    openChooser();
    EXPECT_EQ(form8().ShellTreeView1->selectedFolder(), folder("scans"));
    ASSERT_TRUE(form8().ShellTreeView1->selectFolder(QDir::rootPath()));
    click(form8().Button1);
    EXPECT_EQ(destination(), QDir::toNativeSeparators(QDir::rootPath()));
}

TEST_F(FolderChooser, CancelAndCloseKeepTheDestination) {
    form3().Edit1->setText(QStringLiteral("/before"));
    openChooser();
    form8().ShellTreeView1->selectFolder(folder("scans"));
    click(form8().Button2);
    EXPECT_EQ(destination(), "/before");
    EXPECT_TRUE(backInSplitDialog());

    openChooser();
    form8().close();
    EXPECT_EQ(destination(), "/before");
    EXPECT_TRUE(backInSplitDialog());
}

TEST_F(FolderChooser, SetAsDefaultThenCancelKeepsTheDestination) {
    form3().Edit1->setText(QStringLiteral("/before"));
    openChooser();
    form8().ShellTreeView1->selectFolder(folder("scans/vol1"));
    click(form8().Button3);
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "設定しました");
    EXPECT_EQ(state().ReturnTo, 8);
    EXPECT_FALSE(form8().isEnabled());
    pressNoticeOk();
    EXPECT_TRUE(form8().isEnabled());
    EXPECT_EQ(state().DefaultSaveFolder, folder("scans/vol1"));
    click(form8().Button2);
    EXPECT_EQ(destination(), "/before");

    // OK without another change puts the same folder into the box.
    openChooser();
    click(form8().Button1);
    EXPECT_EQ(destination(), folder("scans/vol1"));
}

TEST_F(FolderChooser, TheTreeShowsNewFoldersOnlyAfterF5) {
    openChooser();
    FolderTree& tree = *form8().ShellTreeView1;
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
class ChooserDefaultAtStartUp : public FolderChooser {
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
    EXPECT_EQ(form8().ShellTreeView1->selectedFolder(), folder("scans/vol1"));
    EXPECT_EQ(destination(), folder("scans/vol1"));
    EXPECT_EQ(state().DefaultSaveFolder, folder("scans/vol1"));
}

TEST_F(ChooserDefaultAtStartUp, AMissingDefaultIsIgnored) {
    startWithSaveFolder(folder("gone"));
    EXPECT_EQ(form8().ShellTreeView1->selectedFolder(), QDir::toNativeSeparators(QDir::homePath()));
    EXPECT_EQ(destination(), "");
    EXPECT_EQ(state().DefaultSaveFolder, "");
}

}  // namespace
