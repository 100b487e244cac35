// The open-folder dialog's preview in the trimming view.
#include "tests/windows/trimming/TrimmingFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "trimming/ViewPicture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

namespace {

class Preview : public TrimmingFixture {
protected:
    Preview() : TrimmingFixture(StartIn::OpenFolderDialog) {}
};

TEST_F(Preview, StepsThroughTheDialogsListAndClosesBackToIt) {
    const FrameFields before = trimmingView().frame();
    doubleClickEntry(0);
    waitForView();
    EXPECT_EQ(title(), QStringLiteral(" [ a.b.bmp   40x30 ]"));
    EXPECT_FALSE(trimmingView().statusBar->isVisible());
    EXPECT_FALSE(openFolderDialog().isEnabled());
    EXPECT_EQ(trimmingView().mode(), TrimmingView::Mode::Preview);
    EXPECT_FALSE(trimmingView().pictureArea->outlineShown());
    const trimming::ViewFit small = fitInView(40, 30);
    EXPECT_EQ(trimmingView().pictureArea->picture().pixel(small.left + 3, small.top + 4),
              pattern(40, 30).pixel(3, 4));

    key(Qt::Key_Z);
    EXPECT_EQ(openFolderDialog().selectedIndex(), 0);
    key(Qt::Key_X);
    waitForView();
    EXPECT_EQ(title(), QStringLiteral(" [ p2.bmp   1000x200 ]"));
    EXPECT_EQ(openFolderDialog().selectedIndex(), 1);
    key(Qt::Key_X);
    EXPECT_EQ(title(), QStringLiteral(" [ p3.jpg   30x50 ]"));
    key(Qt::Key_X);
    EXPECT_EQ(openFolderDialog().selectedIndex(), 2);
    key(Qt::Key_Z);
    EXPECT_EQ(title(), QStringLiteral(" [ p2.bmp   1000x200 ]"));

    // Only X, Z and the double-click work here.
    const QString step = stepText();
    for (int k : {Qt::Key_W, Qt::Key_Right, Qt::Key_Return, Qt::Key_Space, Qt::Key_T, Qt::Key_3}) {
        key(k);
    }
    EXPECT_EQ(title(), QStringLiteral(" [ p2.bmp   1000x200 ]"));
    EXPECT_EQ(stepText(), step);
    EXPECT_EQ(showNextText(), QStringLiteral("[T] 次表示 有効"));
    EXPECT_FALSE(messageShown());
    EXPECT_EQ(phase(), trimming::SequencePhase::Idle);
    EXPECT_FALSE(QDir(pictures_.path() + QStringLiteral("/trimming")).exists());

    // The frame model is left alone, but for the scaled picture's size.
    const trimming::ViewFit wide = fitInView(1000, 200);
    FrameFields expected = before;
    expected.ViewImageWidth = wide.width;
    expected.ViewImageHeight = wide.height;
    EXPECT_EQ(trimmingView().frame(), expected);

    doubleClickPicture();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(trimmingView().statusBar->isVisibleTo(&trimmingView()));
    EXPECT_TRUE(openFolderDialog().isEnabled());
    EXPECT_TRUE(openFolderDialog().isVisible());
    EXPECT_EQ(openFolderDialog().selectedIndex(), 1);
    EXPECT_FALSE(mainWindow().isEnabled());
}

TEST_F(Preview, MissingFileGivesANoticeForTheDialog) {
    ASSERT_TRUE(QFile::remove(picturePath(QStringLiteral("a.b.bmp"))));
    doubleClickEntry(0);
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), QStringLiteral("ファイルが見当たりません"));
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_FALSE(openFolderDialog().isEnabled());
    pressNoticeOk();
    EXPECT_TRUE(openFolderDialog().isEnabled());

    // While stepping: the preview stays until OK closes it.
    doubleClickEntry(1);
    waitForView();
    ASSERT_TRUE(QFile::remove(picturePath(QStringLiteral("p3.jpg"))));
    key(Qt::Key_X);
    ASSERT_TRUE(noticeShown());
    EXPECT_TRUE(trimmingView().isVisible());
    EXPECT_EQ(title(), QStringLiteral(" [ p2.bmp   1000x200 ]"));
    pressNoticeOk();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(trimmingView().statusBar->isVisibleTo(&trimmingView()));
    EXPECT_TRUE(openFolderDialog().isEnabled());
}

TEST_F(Preview, UndecodableFileGivesTheDecodersMessage) {
    testing_support::writeBytes(picturePath(QStringLiteral("p3.jpg")), "not a jpeg at all");
    doubleClickEntry(2);
    ASSERT_TRUE(noticeShown());
    EXPECT_FALSE(noticeText().isEmpty());
    EXPECT_NE(noticeText(), QStringLiteral("ファイルが見当たりません"));
    EXPECT_FALSE(trimmingView().isVisible());
    pressNoticeOk();
    EXPECT_TRUE(openFolderDialog().isEnabled());
}

}  // namespace
