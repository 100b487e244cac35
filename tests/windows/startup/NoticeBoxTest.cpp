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
    for (QWidget* window :
         std::initializer_list<QWidget*>{&mainWindow(), &openFolderDialog(), &renameDialog(),
                                         &settingsDialog(), &folderChooser()}) {
        const QString name = window->objectName();
        window->show();
        noticeBox().notify(window, QStringLiteral("message %1").arg(name), QStringLiteral("line"));
        EXPECT_FALSE(window->isEnabled()) << name.toStdString();
        EXPECT_EQ(noticeLine(), "line");
        pressNoticeOk();
        EXPECT_TRUE(window->isEnabled()) << name.toStdString();
        EXPECT_FALSE(noticeShown());
        EXPECT_EQ(noticeLine(), "");
        EXPECT_EQ(noticeText(), QStringLiteral("message %1").arg(name));
    }
}

TEST_F(NoticeBoxTest, CannotBeClosedExceptByOk) {
    noticeBox().notify(&mainWindow(), QStringLiteral("x"));
    EXPECT_FALSE(noticeBox().close());
    EXPECT_TRUE(noticeShown());
    EXPECT_FALSE(noticeBox().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    pressNoticeOk();
}

TEST_F(NoticeBoxTest, TwoNoticesInARowShowTheSecondAndOneOkCloses) {
    renameDialog().show();
    noticeBox().notify(&renameDialog(), QStringLiteral("同名ファイルがあります"));
    noticeBox().notify(&renameDialog(), QStringLiteral("ファイルが見当たりません"));
    EXPECT_EQ(noticeText(), "ファイルが見当たりません");
    pressNoticeOk();
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(renameDialog().isEnabled());
}

TEST_F(NoticeBoxTest, OkGivesTheWindowBackBeforeTheCallersFollowUp) {
    mainWindow().setEnabled(false);
    trimmingView().show();
    bool enabledFirst = false;
    noticeBox().notify(&mainWindow(), QStringLiteral("ファイルが見当たりません"), std::nullopt,
                       [&] {
                           enabledFirst = mainWindow().isEnabled();
                           trimmingView().closeView();
                       });
    pressNoticeOk();
    EXPECT_TRUE(enabledFirst);
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(NoticeBoxTest, BatchEndIsUndoneByOk) {
    noticeBox().show();
    placeWindow(noticeBox(), 384, 264);
    bool batchEnded = false;
    noticeBox().showBatchProgress(QStringLiteral("1 / 1"), [&] { batchEnded = true; });
    // The batch end moves the box left by its width and widens it.
    noticeBox().showBatchEnd(QStringLiteral("完了"), QString());
    EXPECT_EQ(windowOuterWidth(noticeBox()), 768);
    EXPECT_EQ(noticeBox().okButton->text(), "OK");

    pressNoticeOk();
    EXPECT_TRUE(batchEnded);
    EXPECT_EQ(noticeBox().okButton->text(), "OK");
    EXPECT_EQ(windowOuterWidth(noticeBox()), NoticeBox::kNormalWidth);
    EXPECT_EQ(windowLeft(noticeBox()), 384);
}

TEST_F(NoticeBoxTest, CancelDuringABatchEndsItAndLeavesTheBoxWhereItIs) {
    placeWindow(noticeBox(), 300, 200);
    bool batchStopped = false;
    noticeBox().showBatchProgress(QStringLiteral("1 / 12"), [&] { batchStopped = true; });
    EXPECT_EQ(noticeText(), QStringLiteral("処理中"));
    EXPECT_EQ(noticeBox().okButton->text(), QStringLiteral("キャンセル"));
    pressNoticeOk();
    EXPECT_TRUE(batchStopped);
    EXPECT_EQ(noticeBox().okButton->text(), "OK");
    EXPECT_EQ(windowLeft(noticeBox()), 300);
}

}  // namespace
