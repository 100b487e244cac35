// Opening, stepping, closing and the frame keys of the trimming view.
#include "tests/windows/trimming/TrimmingFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/OpenFolderDialog.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "trimming/ViewPicture.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

class TrimmingViewTest : public TrimmingFixture {
protected:
    // The frame's part of the title.
    QString framePart() { return title().mid(title().indexOf(QStringLiteral("     [ 枠位置"))); }

    // The one outline drawn is where the frame model puts it.
    ::testing::AssertionResult outlineAtFrame() {
        const FrameFields& f = trimmingView().frame();
        const ViewPicture::Outline expected{f.ViewFrameLeft, f.ViewFrameTop, f.ViewFrameWidth,
                                            f.ViewFrameHeight};
        const QList<ViewPicture::Outline> drawn = trimmingView().pictureArea->outlines();
        if (drawn.size() == 1 && drawn.front() == expected) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << drawn.size() << " outlines drawn";
    }
};

TEST_F(TrimmingViewTest, DoubleClickShowsThePictureWithTheWholeFrameAndTitle) {
    EXPECT_TRUE(title().isEmpty());
    // Placed once, at the designed window's centre.
    EXPECT_EQ(trimmingView().messagePanel->geometry(),
              QRect(1010 / 2 - 100, 552 / 2 - 30, 200, 60));
    doubleClickItem(0);
    waitForView();
    EXPECT_EQ(title(), QStringLiteral(" [ a.b.bmp   40x30 ]     [ 枠位置 X:0 Y:0   範囲 40x30 ]"));
    EXPECT_FALSE(mainWindow().isEnabled());
    EXPECT_EQ(trimmingView().mode(), TrimmingView::Mode::Item);
    EXPECT_EQ(QApplication::focusWidget(), &trimmingView());

    // A small picture is centred at its own size; the frame is the picture.
    const trimming::ViewFit fit = fitInView(40, 30);
    ASSERT_FALSE(fit.scaled);
    const QImage& shown = trimmingView().pictureArea->picture();
    const QImage source = pattern(40, 30);
    EXPECT_EQ(shown.pixel(fit.left + 5, fit.top + 7), source.pixel(5, 7));
    EXPECT_EQ(shown.pixel(fit.left - 1, fit.top), qRgb(0, 0, 0));
    EXPECT_TRUE(outlineAtFrame());
    EXPECT_EQ(trimmingView().frame().ViewFrameLeft, fit.left);
    EXPECT_EQ(trimmingView().frame().ViewFrameWidth, 40);
    // The outline inverts every other pixel along the edge.
    const int dotX = (fit.left + fit.top) % 2 == 0 ? fit.left + 2 : fit.left + 1;
    EXPECT_EQ(shown.pixel(dotX, fit.top), source.pixel(dotX - fit.left, 0) ^ 0x00FFFFFFu);
    EXPECT_EQ(shown.pixel(dotX + 1, fit.top), source.pixel(dotX + 1 - fit.left, 0));

    EXPECT_TRUE(trimmingView().statusBar->isVisible());
    EXPECT_EQ(stepText(), QStringLiteral("[1]-[6] 枠移動量 5"));
    EXPECT_EQ(showNextText(), QStringLiteral("[T] 次表示 有効"));
    EXPECT_EQ(namingText(), QStringLiteral("[N] 元名+なし"));
    EXPECT_EQ(trimmingView().keyHintPanels[8]->text(), QStringLiteral("DblClick 閉じる"));
    EXPECT_EQ(trimmingView().keyHintPanels.back()->text(), QStringLiteral("[G] 分割位置・傾き"));
    EXPECT_FALSE(messageShown());

    doubleClickPicture();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_TRUE(trimmingView().pictureArea->picture().isNull());
}

// From the keyboard alone: Enter in the list opens the view on the item,
// Escape closes it. An Enter whose press closed another window (the rename
// dialog renames on it) and left its release to the list opens nothing.
TEST_F(TrimmingViewTest, EnterInTheListOpensTheViewAndEscapeClosesIt) {
    clickItem(1);
    keyInList(Qt::Key_Return);
    waitForView();
    EXPECT_TRUE(title().startsWith(QStringLiteral(" [ p2.bmp   1000x200 ]")))
        << title().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), &trimmingView());
    key(Qt::Key_Escape);
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());

    QTest::keyRelease(&list(), Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_FALSE(trimmingView().isVisible());
}

TEST_F(TrimmingViewTest, FrameIsKeptAcrossPicturesAndStartsAnewAfterAFolderOpening) {
    doubleClickItem(0);
    waitForView();
    key(Qt::Key_S);
    doubleClickPicture();

    // A wide picture too large for the view fills its width; the frame
    // keeps its place in image pixels.
    doubleClickItem(1);
    waitForView();
    EXPECT_EQ(title(),
              QStringLiteral(" [ p2.bmp   1000x200 ]     [ 枠位置 X:0 Y:5   範囲 40x25 ]"));
    const trimming::ViewFit fit = fitInView(1000, 200);
    ASSERT_TRUE(fit.scaled);
    EXPECT_EQ(trimmingView().frame().ViewImageWidth, fit.width);
    EXPECT_EQ(trimmingView().frame().ViewFrameWidth, trimming::scaledTrunc(40, 1000, fit.width));
    EXPECT_EQ(trimmingView().frame().ViewFrameTop,
              trimming::scaledTrunc(5, 200, fit.height) + fit.top);
    EXPECT_TRUE(outlineAtFrame());
    doubleClickPicture();

    loadPictures();
    doubleClickItem(1);
    waitForView();
    EXPECT_EQ(framePart(), QStringLiteral("     [ 枠位置 X:0 Y:0   範囲 1000x200 ]"));
}

TEST_F(TrimmingViewTest, FrameKeysMoveAndResizeTheFrame) {
    doubleClickItem(0);
    waitForView();
    auto expectFrame = [this](const char* text) {
        EXPECT_EQ(framePart(), QStringLiteral("     [ 枠位置 ") + QString::fromUtf8(text) + " ]");
        EXPECT_TRUE(outlineAtFrame());
    };
    key(Qt::Key_W);
    expectFrame("X:0 Y:0   範囲 40x30");
    key(Qt::Key_S);
    expectFrame("X:0 Y:5   範囲 40x25");
    key(Qt::Key_D);
    expectFrame("X:5 Y:5   範囲 35x25");
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    expectFrame("X:5 Y:5   範囲 30x20");
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    expectFrame("X:5 Y:5   範囲 35x25");
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    expectFrame("X:10 Y:10   範囲 35x25");
    key(Qt::Key_Up, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    expectFrame("X:5 Y:5   範囲 35x25");
    // Shift with a letter acts as the letter; Ctrl with an arrow as the arrow.
    key(Qt::Key_W, Qt::ShiftModifier);
    key(Qt::Key_A);
    expectFrame("X:0 Y:0   範囲 40x30");
    key(Qt::Key_Down, Qt::ControlModifier);
    expectFrame("X:0 Y:0   範囲 40x35");

    // Step 50: moving the corner out of the picture is refused, growing is not.
    key(Qt::Key_3);
    EXPECT_EQ(stepText(), QStringLiteral("[1]-[6] 枠移動量 50"));
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right);
    expectFrame("X:0 Y:0   範囲 90x35");
    key(Qt::Key_4);
    EXPECT_EQ(stepText(), QStringLiteral("[1]-[6] 枠移動量 2"));
    key(Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(stepText(), QStringLiteral("[1]-[6] 枠移動量 2"));
    EXPECT_EQ(trimmingView().frame().FrameStep, 2);

    key(Qt::Key_R);
    expectFrame("X:0 Y:0   範囲 40x30");

    key(Qt::Key_T);
    EXPECT_EQ(showNextText(), QStringLiteral("[T] 次表示 無効"));
    key(Qt::Key_T);
    EXPECT_EQ(showNextText(), QStringLiteral("[T] 次表示 有効"));
    key(Qt::Key_N);
    EXPECT_EQ(namingText(), QStringLiteral("[N] 元名+_1"));
    key(Qt::Key_N);
    EXPECT_EQ(namingText(), QStringLiteral("[N] 元名+_2"));
    key(Qt::Key_N);
    EXPECT_EQ(namingText(), QStringLiteral("[N] 元名+なし"));
}

TEST_F(TrimmingViewTest, ShiftWithADigitChoosesTheStepOfTheDigit) {
    doubleClickItem(0);
    waitForView();
    // As X11 reports the digit keys with Shift on a US or JIS layout: the
    // shifted symbol, and the key code of the key itself.
    auto send = [this](QEvent::Type type, int qtKey, Qt::KeyboardModifiers modifiers,
                       quint32 keyCode, const QString& text) {
        const quint32 shiftMask = modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0;
        QKeyEvent event(type, qtKey, modifiers, keyCode, text.front().unicode(), shiftMask, text);
        QCoreApplication::sendEvent(&trimmingView(), &event);
    };
    send(QEvent::KeyPress, Qt::Key_NumberSign, Qt::ShiftModifier, 12, QStringLiteral("#"));
    send(QEvent::KeyRelease, Qt::Key_NumberSign, Qt::ShiftModifier, 12, QStringLiteral("#"));
    EXPECT_EQ(stepText(), QStringLiteral("[1]-[6] 枠移動量 50"));
    key(Qt::Key_Down);
    EXPECT_EQ(framePart(), QStringLiteral("     [ 枠位置 X:0 Y:0   範囲 40x80 ]"));

    // Shift let go before the key: the release is "2", and ends the press of "@".
    send(QEvent::KeyPress, Qt::Key_At, Qt::ShiftModifier, 11, QStringLiteral("@"));
    send(QEvent::KeyRelease, Qt::Key_2, Qt::NoModifier, 11, QStringLiteral("2"));
    EXPECT_EQ(stepText(), QStringLiteral("[1]-[6] 枠移動量 5"));
    key(Qt::Key_Up);
    EXPECT_EQ(framePart(), QStringLiteral("     [ 枠位置 X:0 Y:0   範囲 40x75 ]"));
}

TEST_F(TrimmingViewTest, HeldKeysRepeatMovesButStepOnce) {
    doubleClickItem(0);
    waitForView();
    holdKey(Qt::Key_S, 2);
    EXPECT_EQ(framePart(), QStringLiteral("     [ 枠位置 X:0 Y:15   範囲 40x15 ]"));
    holdKey(Qt::Key_X, 3);
    EXPECT_EQ(catalogue().current(), 1);
    EXPECT_TRUE(title().startsWith(QStringLiteral(" [ p2.bmp ")));

    // The release of a key pressed in another window does nothing here.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&trimmingView(), &release);
    EXPECT_FALSE(messageShown());
    EXPECT_EQ(phase(), trimming::SequencePhase::Idle);
    EXPECT_FALSE(trimmingView().sequenceTimer->isActive());
}

TEST_F(TrimmingViewTest, XAndZStepThroughTheCatalogueWithoutWrapping) {
    doubleClickItem(0);
    waitForView();
    key(Qt::Key_S);
    key(Qt::Key_Z);
    EXPECT_EQ(catalogue().current(), 0);
    EXPECT_TRUE(outlineAtFrame());

    key(Qt::Key_X);
    waitForView();
    EXPECT_EQ(title(),
              QStringLiteral(" [ p2.bmp   1000x200 ]     [ 枠位置 X:0 Y:5   範囲 40x25 ]"));
    EXPECT_EQ(selectedRows(), std::vector<int>{1});
    key(Qt::Key_X);
    EXPECT_EQ(title(), QStringLiteral(" [ p3.jpg   30x50 ]     [ 枠位置 X:0 Y:5   範囲 40x25 ]"));
    key(Qt::Key_X);
    EXPECT_EQ(catalogue().current(), 2);
    EXPECT_TRUE(outlineAtFrame());
    key(Qt::Key_Z);
    EXPECT_EQ(catalogue().current(), 1);
    EXPECT_EQ(selectedRows(), std::vector<int>{1});
    EXPECT_TRUE(title().startsWith(QStringLiteral(" [ p2.bmp ")));
    EXPECT_FALSE(mainWindow().isEnabled());
}

TEST_F(TrimmingViewTest, MissingFileKeepsThePreviousPictureUntilTheNoticeCloses) {
    doubleClickItem(0);
    waitForView();
    const QImage before = trimmingView().pictureArea->picture();
    ASSERT_TRUE(QFile::remove(picturePath(QStringLiteral("p2.bmp"))));
    key(Qt::Key_X);
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), QStringLiteral("ファイルが見当たりません"));
    EXPECT_TRUE(trimmingView().isVisible());
    EXPECT_FALSE(trimmingView().pictureArea->outlineShown());
    EXPECT_EQ(catalogue().current(), 1);
    pressNoticeOk();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());

    // Straight from the catalogue: the notice alone.
    doubleClickItem(1);
    ASSERT_TRUE(noticeShown());
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_FALSE(mainWindow().isEnabled());
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(TrimmingViewTest, UndecodableFileGivesItsMessageAndTheProgramStaysUsable) {
    testing_support::writeBytes(picturePath(QStringLiteral("p2.bmp")), "BM this is not a bitmap");

    doubleClickItem(1);
    ASSERT_TRUE(noticeShown());
    EXPECT_FALSE(noticeText().isEmpty());
    EXPECT_NE(noticeText(), QStringLiteral("ファイルが見当たりません"));
    EXPECT_FALSE(trimmingView().isVisible());
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());

    doubleClickItem(0);
    waitForView();
    key(Qt::Key_X);
    ASSERT_TRUE(noticeShown());
    EXPECT_TRUE(trimmingView().isVisible());
    EXPECT_TRUE(title().startsWith(QStringLiteral(" [ a.b.bmp ")));
    pressNoticeOk();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(TrimmingViewTest, DoubleClickWhileLoadingDoesNothing) {
    startLoading(pictures_.path());
    mainWindow().openTrimmingView();
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_FALSE(noticeShown());
    ASSERT_TRUE(waitFor([&] { return mainWindow().statusText(0) == QStringLiteral("読込完了"); }));
}

}  // namespace
