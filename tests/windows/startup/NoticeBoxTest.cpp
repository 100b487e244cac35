// The notice box gives control back to the window its code names.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/MainWindow.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "split/SplitDialog.h"
#include "trimming/TrimmingView.h"
#include "widgets/FormLook.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using NoticeBoxTest = ProgramFixture;

TEST_F(NoticeBoxTest, OkEnablesTheWindowItReturnsToAndClearsTheSecondLine) {
    using Return = NoticeBox::ReturnTo;
    struct Case {
        Return returnTo;
        QWidget* window;
    };
    const Case cases[] = {{Return::MainWindow, &mainWindow()},
                          {Return::OpenFolderDialog, &openFolderDialog()},
                          {Return::RenameDialog, &renameDialog()},
                          {Return::SettingsDialog, &settingsDialog()},
                          {Return::FolderChooser, &folderChooser()}};
    for (const Case& c : cases) {
        const QString name = c.window->objectName();
        c.window->show();
        noticeBox().notify(c.returnTo, c.window, QStringLiteral("message %1").arg(name),
                           QStringLiteral("line"));
        EXPECT_FALSE(c.window->isEnabled()) << name.toStdString();
        EXPECT_EQ(noticeBox().returnTo(), c.returnTo);
        EXPECT_EQ(noticeLine(), "line");
        pressNoticeOk();
        EXPECT_TRUE(c.window->isEnabled()) << name.toStdString();
        EXPECT_FALSE(noticeShown());
        EXPECT_EQ(noticeLine(), "");
        EXPECT_EQ(noticeText(), QStringLiteral("message %1").arg(name));
        EXPECT_EQ(noticeBox().returnTo(), c.returnTo);
    }
}

TEST_F(NoticeBoxTest, CannotBeClosedExceptByOk) {
    noticeBox().notify(NoticeBox::ReturnTo::MainWindow, &mainWindow(), QStringLiteral("x"));
    EXPECT_FALSE(noticeBox().close());
    EXPECT_TRUE(noticeShown());
    EXPECT_FALSE(noticeBox().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    pressNoticeOk();
}

TEST_F(NoticeBoxTest, TwoNoticesInARowShowTheSecondAndOneOkCloses) {
    renameDialog().show();
    noticeBox().notify(NoticeBox::ReturnTo::RenameDialog, &renameDialog(),
                       QStringLiteral("同名ファイルがあります"));
    noticeBox().notify(NoticeBox::ReturnTo::RenameDialog, &renameDialog(),
                       QStringLiteral("ファイルが見当たりません"));
    EXPECT_EQ(noticeText(), "ファイルが見当たりません");
    pressNoticeOk();
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(renameDialog().isEnabled());
}

TEST_F(NoticeBoxTest, ReturningToTheMainWindowClosesAnOpenTrimmingView) {
    mainWindow().setEnabled(false);
    trimmingView().show();
    noticeBox().notify(NoticeBox::ReturnTo::MainWindow, &mainWindow(),
                       QStringLiteral("ファイルが見当たりません"));
    pressNoticeOk();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(NoticeBoxTest, BatchEndIsUndoneByOk) {
    noticeBox().show();
    placeWindow(noticeBox(), 384, 264);
    mainWindow().setEnabled(false);
    noticeBox().showBatchProgress(QStringLiteral("1 / 1"));
    splitDialog().batchTimer->start();
    // The batch end moves the box left by its width and widens it.
    noticeBox().showBatchEnd(QStringLiteral("完了"), QString());
    EXPECT_EQ(windowOuterWidth(noticeBox()), 768);
    EXPECT_EQ(noticeBox().okButton->text(), "OK");

    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(noticeBox().okButton->text(), "OK");
    EXPECT_EQ(windowOuterWidth(noticeBox()), NoticeBox::kNormalWidth);
    EXPECT_EQ(windowLeft(noticeBox()), 384);
    EXPECT_FALSE(splitDialog().batchTimer->isActive());
}

TEST_F(NoticeBoxTest, CancelDuringABatchStopsItAndLeavesTheBoxWhereItIs) {
    placeWindow(noticeBox(), 300, 200);
    mainWindow().setEnabled(false);
    splitDialog().batchTimer->start();
    noticeBox().showBatchProgress(QStringLiteral("1 / 12"));
    EXPECT_EQ(noticeText(), QStringLiteral("処理中"));
    EXPECT_EQ(noticeBox().okButton->text(), QStringLiteral("キャンセル"));
    pressNoticeOk();
    EXPECT_FALSE(splitDialog().batchTimer->isActive());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(noticeBox().okButton->text(), "OK");
    EXPECT_EQ(windowLeft(noticeBox()), 300);
    EXPECT_FALSE(splitDialog().isVisible());
}

}  // namespace
