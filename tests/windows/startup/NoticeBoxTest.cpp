// The notice box gives control back to the window its code names.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/MainWindow.h"
#include "core/FormLook.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "split/SplitDialog.h"
#include "trimming/TrimmingView.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using NoticeBoxTest = ProgramFixture;

TEST_F(NoticeBoxTest, OkEnablesTheWindowItsCodeNamesAndClearsTheSecondLine) {
    struct Case {
        int code;
        QWidget* window;
    };
    const Case cases[] = {{1, &mainWindow()},
                          {2, &openFolderDialog()},
                          {4, &renameDialog()},
                          {5, &settingsDialog()},
                          {8, &folderChooser()}};
    for (const Case& c : cases) {
        c.window->show();
        noticeBox().notify(c.code, c.window, QStringLiteral("message %1").arg(c.code),
                           QStringLiteral("line"));
        EXPECT_FALSE(c.window->isEnabled()) << c.code;
        EXPECT_EQ(state().ReturnTo, c.code);
        EXPECT_EQ(noticeLine(), "line");
        pressNoticeOk();
        EXPECT_TRUE(c.window->isEnabled()) << c.code;
        EXPECT_FALSE(noticeShown());
        EXPECT_EQ(noticeLine(), "");
        EXPECT_EQ(noticeText(), QStringLiteral("message %1").arg(c.code));
        EXPECT_EQ(state().ReturnTo, c.code);
    }
}

TEST_F(NoticeBoxTest, CannotBeClosedExceptByOk) {
    noticeBox().notify(1, &mainWindow(), QStringLiteral("x"));
    EXPECT_FALSE(noticeBox().close());
    EXPECT_TRUE(noticeShown());
    EXPECT_FALSE(noticeBox().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    pressNoticeOk();
}

TEST_F(NoticeBoxTest, TwoNoticesInARowShowTheSecondAndOneOkCloses) {
    renameDialog().show();
    noticeBox().notify(4, &renameDialog(), QStringLiteral("同名ファイルがあります"));
    noticeBox().notify(4, &renameDialog(), QStringLiteral("ファイルが見当たりません"));
    EXPECT_EQ(noticeText(), "ファイルが見当たりません");
    pressNoticeOk();
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(renameDialog().isEnabled());
}

TEST_F(NoticeBoxTest, CodeOneClosesAnOpenTrimmingView) {
    state().ReturnTo = 1;
    mainWindow().setEnabled(false);
    trimmingView().show();
    noticeBox().notify(1, &mainWindow(), QStringLiteral("ファイルが見当たりません"));
    pressNoticeOk();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(NoticeBoxTest, BatchEndIsUndoneByOk) {
    noticeBox().show();
    placeWindow(noticeBox(), 384, 264);
    mainWindow().setEnabled(false);
    state().ReturnTo = 3;
    noticeBox().Button1->setText(QStringLiteral("キャンセル"));
    splitDialog().Timer1->start();
    // The batch end step: remember the left, move left by the width, widen.
    state().NoticeLeft = windowLeft(noticeBox());
    placeWindow(noticeBox(), windowLeft(noticeBox()) - windowOuterWidth(noticeBox()),
                windowTop(noticeBox()));
    noticeBox().setOuterWidth(NoticeBox::kBatchEndWidth);
    EXPECT_EQ(windowOuterWidth(noticeBox()), 768);

    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(noticeBox().Button1->text(), "OK");
    EXPECT_EQ(windowOuterWidth(noticeBox()), NoticeBox::kNormalWidth);
    EXPECT_EQ(windowLeft(noticeBox()), 384);
    EXPECT_FALSE(splitDialog().Timer1->isActive());
}

TEST_F(NoticeBoxTest, CancelDuringABatchStopsItAndLeavesTheBoxWhereItIs) {
    placeWindow(noticeBox(), 300, 200);
    mainWindow().setEnabled(false);
    splitDialog().Timer1->start();
    noticeBox().notify(3, nullptr, QStringLiteral("処理中"), QStringLiteral("1 / 12"));
    noticeBox().Button1->setText(QStringLiteral("キャンセル"));
    pressNoticeOk();
    EXPECT_FALSE(splitDialog().Timer1->isActive());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(noticeBox().Button1->text(), "OK");
    EXPECT_EQ(windowLeft(noticeBox()), 300);
    EXPECT_FALSE(splitDialog().isVisible());
}

}  // namespace
