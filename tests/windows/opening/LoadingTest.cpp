// Loading the catalogue through the real windows: one file, many files in
// natural order with their progress, Esc, a file gone mid-load, a file that
// cannot be read, and the thumbnails' pixels.
#include "tests/windows/opening/OpeningFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "catalogue/StatusTexts.h"
#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/UnreadableThumbnail.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using testing_support::patternImage;

class Loading : public OpeningFixture {
protected:
    void writeNumbered(int count, int width = 16, int height = 12) {
        const QImage picture = patternImage(width, height);
        for (int n = 1; n <= count; ++n)
            writeJpeg(QStringLiteral("p%1.jpg").arg(n), picture);
    }
    // What the thumbnail of file `name` must be, from a full decode.
    QImage expectedThumbnail(const QString& name, int side, bool slowReading) {
        const auto picture = imaging::loadPicture(file(name));
        EXPECT_TRUE(picture.ok());
        return catalogue::buildThumbnail(*picture, side, slowReading, background());
    }
    void expectEndedWithNothingSelected(const QString& panel0) {
        EXPECT_EQ(panel(0), panel0);
        EXPECT_FALSE(mainWindow().loadingTimer->isActive());
        EXPECT_EQ(catalogue().current(), -1);
        EXPECT_EQ(selectedCount(), 0);
    }
};

TEST_F(Loading, OneFileIsAddedAndEndsTheLoadingInTheSameTick) {
    writeJpeg(QStringLiteral("wide.jpg"), patternImage(3000, 2000));
    startLoading(folder());
    EXPECT_EQ(catalogue().loading().next, 0);
    waitUntilLoaded();
    ASSERT_EQ(captions(), QStringList({"wide.jpg"}));
    expectEndedWithNothingSelected(QStringLiteral("読込完了"));
    EXPECT_EQ(panel(1), "");
    EXPECT_EQ(catalogue().loading().next, 1);
    EXPECT_EQ(list().count(), 1);

    // 3000 x 2000 in 80: 80 x 53 at (0, 13), on the list's background.
    const QImage shown = thumbnail(0);
    EXPECT_TRUE(shown == expectedThumbnail(QStringLiteral("wide.jpg"), 80, false));
    EXPECT_EQ(shown.pixel(40, 12), background());
    EXPECT_NE(shown.pixel(40, 13), background());
    EXPECT_NE(shown.pixel(40, 65), background());
    EXPECT_EQ(shown.pixel(40, 66), background());
}

TEST_F(Loading, ManyFilesLoadInNaturalOrderShowingTheirProgress) {
    writeNumbered(12);
    startLoading(folder());
    // Each step shows its own item as the only selected one, with its number.
    QStringList wrongProgress;
    int stepsSeen = 0;
    ASSERT_TRUE(waitFor(
        [&] {
            if (loadingEnded())
                return true;
            const int count = itemCount();
            if (count == 0)
                return false;
            ++stepsSeen;
            if (panel(1) != catalogue::loadingProgressText(count - 1, 12) || selectedCount() != 1 ||
                !mainWindow().catalogueList().item(count - 1)->isSelected()) {
                wrongProgress.push_back(panel(1));
            }
            return false;
        },
        20000));
    EXPECT_GT(stepsSeen, 0);
    EXPECT_TRUE(wrongProgress.isEmpty()) << wrongProgress.join(" | ").toStdString();
    EXPECT_EQ(catalogue::loadingProgressText(4, 120), "5/120   [ESC]で中断");

    QStringList expected;
    for (int n = 1; n <= 12; ++n)
        expected.push_back(QStringLiteral("p%1.jpg").arg(n));
    EXPECT_EQ(captions(), expected);
    expectEndedWithNothingSelected(QStringLiteral("読込完了"));
    EXPECT_EQ(panel(1), "");
}

TEST_F(Loading, EscStopsAfterTheFilesLoadedSoFar) {
    writeNumbered(30, 400, 300);
    startLoading(folder());
    ASSERT_TRUE(waitFor([this] { return itemCount() >= 7 || loadingEnded(); }));
    ASSERT_FALSE(loadingEnded());
    const int loaded = itemCount();
    QTest::keyClick(&mainWindow().catalogueList(), Qt::Key_Escape);
    expectEndedWithNothingSelected(QStringLiteral("読込中断"));
    EXPECT_EQ(panel(1), "");
    EXPECT_EQ(itemCount(), loaded);
    // Thumbnails read ahead are dropped, not added later.
    QTest::qWait(100);
    EXPECT_EQ(itemCount(), loaded);
}

TEST_F(Loading, AFileGoneMidLoadStopsWithANotice) {
    writeNumbered(16, 400, 300);
    startLoading(folder());
    ASSERT_TRUE(waitFor([this] { return itemCount() >= 2 || loadingEnded(); }));
    const int gone = itemCount() + 4;
    ASSERT_LT(gone, 16);
    ASSERT_TRUE(QFile::remove(file(QStringLiteral("p%1.jpg").arg(gone + 1))));
    ASSERT_TRUE(waitFor([this] { return noticeShown(); }));
    EXPECT_EQ(noticeText(), "見当たらないファイルがあります");
    EXPECT_EQ(noticeLine(), "読込を中断します");
    EXPECT_FALSE(mainWindow().isEnabled());
    EXPECT_EQ(itemCount(), gone);
    EXPECT_EQ(caption(gone - 1), QStringLiteral("p%1.jpg").arg(gone));
    EXPECT_EQ(catalogue().loading().next, 16);
    expectEndedWithNothingSelected(QStringLiteral("読込完了"));
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(Loading, AnUnreadableFileGetsACrossedSquareAndIsNamedOnce) {
    writeNumbered(5);
    testing_support::writeBytes(file(QStringLiteral("p3.jpg")), "not a picture");
    writeBmp(QStringLiteral("p4.jpg"), patternImage(10, 10));  // a BMP behind a JPEG name
    startLoading(folder());
    waitUntilLoaded();
    EXPECT_EQ(captions(), QStringList({"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg"}));
    expectEndedWithNothingSelected(QStringLiteral("読込完了"));
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(panel(1), " 読めないファイル 2 件: p3.jpg, p4.jpg");
    const QImage placeholder = catalogue::unreadableThumbnail(80, background());
    EXPECT_TRUE(thumbnail(2) == placeholder);
    EXPECT_TRUE(thumbnail(3) == placeholder);
    EXPECT_TRUE(thumbnail(4) == expectedThumbnail(QStringLiteral("p5.jpg"), 80, false));
}

TEST_F(Loading, ThumbnailsFollowTheGeometryOnRealPixels) {
    writeJpeg(QStringLiteral("a-tall.jpg"), patternImage(2000, 3000));
    writeBmp(QStringLiteral("b-small.bmp"), patternImage(50, 30));
    writeBmp(QStringLiteral("c-thin.bmp"), patternImage(81, 10));
    writeBmp(QStringLiteral("d-square.bmp"), patternImage(400, 400));
    startLoading(folder());
    waitUntilLoaded();
    ASSERT_EQ(itemCount(), 4);
    EXPECT_TRUE(thumbnail(0) == expectedThumbnail(QStringLiteral("a-tall.jpg"), 80, false));
    // 2000 x 3000: 53 x 80 at (13, 0).
    EXPECT_EQ(thumbnail(0).pixel(12, 40), background());
    EXPECT_NE(thumbnail(0).pixel(13, 40), background());

    // 50 x 30 drawn unscaled at (15, 25).
    const QImage small = patternImage(50, 30);
    EXPECT_EQ(thumbnail(1).pixel(15, 25), small.pixel(0, 0));
    EXPECT_EQ(thumbnail(1).pixel(64, 54), small.pixel(49, 29));
    EXPECT_EQ(thumbnail(1).pixel(14, 25), background());
    EXPECT_EQ(thumbnail(1).pixel(65, 54), background());

    // 81 x 10: 80 x 9 at (0, 35).
    EXPECT_TRUE(thumbnail(2) == expectedThumbnail(QStringLiteral("c-thin.bmp"), 80, false));
    EXPECT_EQ(thumbnail(2).pixel(0, 34), background());
    EXPECT_NE(thumbnail(2).pixel(0, 35), background());
    EXPECT_NE(thumbnail(2).pixel(0, 43), background());
    EXPECT_EQ(thumbnail(2).pixel(0, 44), background());
    EXPECT_TRUE(thumbnail(3) == expectedThumbnail(QStringLiteral("d-square.bmp"), 80, false));
}

TEST_F(Loading, SlowReadingReducesLargePicturesFirst) {
    // Sizes where the quarter reduction picks other pixels than the direct scale.
    writeBmp(QStringLiteral("a.bmp"), patternImage(400, 400));
    writeJpeg(QStringLiteral("b.jpg"), patternImage(1203, 1001));
    writeBmp(QStringLiteral("c.bmp"), patternImage(400, 300));
    mainWindow().openAction->trigger();
    QTest::mouseClick(openFolderDialog().slowReadingBox, Qt::LeftButton);
    ASSERT_TRUE(openFolderDialog().slowReading());
    QTest::mouseClick(openFolderDialog().cancelButton, Qt::LeftButton);
    startLoading(folder());
    waitUntilLoaded();
    ASSERT_EQ(itemCount(), 3);
    for (int item = 0; item < 3; ++item) {
        EXPECT_TRUE(thumbnail(item) == expectedThumbnail(caption(item), 80, true)) << item;
    }
    EXPECT_FALSE(expectedThumbnail(QStringLiteral("b.jpg"), 80, true) ==
                 expectedThumbnail(QStringLiteral("b.jpg"), 80, false));
    // 400 x 300 is not reduced (300 is not above 320).
    EXPECT_TRUE(thumbnail(2) == expectedThumbnail(QStringLiteral("c.bmp"), 80, false));
}

TEST_F(Loading, ANewOpeningReplacesTheCatalogue) {
    writeNumbered(3);
    startLoading(folder());
    waitUntilLoaded();
    ASSERT_TRUE(QFile::remove(file(QStringLiteral("p1.jpg"))));
    startLoading(folder());
    waitUntilLoaded();
    EXPECT_EQ(captions(), QStringList({"p2.jpg", "p3.jpg"}));
}

}  // namespace
