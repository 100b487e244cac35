#include "trimming/TrimSequence.h"
#include "trimming/TrimmingTexts.h"

#include <gtest/gtest.h>

namespace trimming {
namespace {

TEST(TrimmingTexts, TitleHasTheSixteenPiecesInOrder) {
    FrameFields frame;
    frame.ImageWidth = 4096;
    frame.ImageHeight = 3072;
    frame.FrameLeft = 0;
    frame.FrameTop = 15;
    frame.FrameWidth = 4100;
    frame.FrameHeight = 7;
    EXPECT_EQ(trimmingTitle(QStringLiteral("p001.jpg"), frame),
              QStringLiteral(" [ p001.jpg   4096x3072 ]     [ 枠位置 X:0 Y:15   範囲 4100x7 ]"));
}

TEST(TrimmingTexts, PreviewTitle) {
    EXPECT_EQ(previewTitle(QStringLiteral("表紙.bmp"), 640, 480),
              QStringLiteral(" [ 表紙.bmp   640x480 ]"));
}

TEST(TrimmingTexts, StepPanel) {
    EXPECT_EQ(stepPanelText(2), QStringLiteral("[1]-[6] 枠移動量 2"));
    EXPECT_EQ(stepPanelText(50), QStringLiteral("[1]-[6] 枠移動量 50"));
}

TEST(TrimmingTexts, ShowNextSwitchToggles) {
    EXPECT_EQ(toggledShowNext(kShowNextOn), QStringLiteral("[T] 次表示 無効"));
    EXPECT_EQ(toggledShowNext(toggledShowNext(kShowNextOn)), QStringLiteral("[T] 次表示 有効"));
    EXPECT_EQ(toggledShowNext(QStringLiteral("something else")), kShowNextOn);
}

TEST(TrimmingTexts, NamingSwitchCyclesAndGivesSuffixes) {
    const QString first = nextNaming(QStringLiteral("[N] 元名+なし"));
    const QString second = nextNaming(first);
    EXPECT_EQ(first, QStringLiteral("[N] 元名+_1"));
    EXPECT_EQ(second, QStringLiteral("[N] 元名+_2"));
    EXPECT_EQ(nextNaming(second), QStringLiteral("[N] 元名+なし"));
    EXPECT_EQ(nextNaming(QStringLiteral("[N] 元名+_3")), QStringLiteral("[N] 元名+_3"));
    EXPECT_EQ(namingSuffix(kNamingPlain), QStringLiteral(".bmp"));
    EXPECT_EQ(namingSuffix(first), QStringLiteral("_1.bmp"));
    EXPECT_EQ(namingSuffix(second), QStringLiteral("_2.bmp"));
}

TEST(TrimmingTexts, StatusPanelsStartWithTheSwitchesAtTheirStartValues) {
    ASSERT_EQ(kStatusPanels.size(), 12u);
    EXPECT_EQ(QString::fromUtf8(kStatusPanels[1].text), kShowNextOn);
    EXPECT_EQ(QString::fromUtf8(kStatusPanels[2].text), kNamingPlain);
}

TEST(TrimSequence, EachPhaseAdvancesByOneStep) {
    EXPECT_EQ(tickActionFor(kTrimBusy, 10), TickAction::Trim);
    EXPECT_EQ(tickActionFor(kTrimBusy, 301), TickAction::ShowTrimDone);
    EXPECT_EQ(tickActionFor(kTrimDone, 300), TickAction::Finish);
    EXPECT_EQ(tickActionFor(kCopyBusy, 10), TickAction::Copy);
    EXPECT_EQ(tickActionFor(kCopyBusy, 301), TickAction::ShowCopyDone);
    EXPECT_EQ(tickActionFor(kCopyDone, 300), TickAction::Finish);
    // A key pressed during a display phase restarts with its own text.
    EXPECT_EQ(tickActionFor(kTrimDone, 10), TickAction::Trim);
}

TEST(TrimSequence, RefusalsAndErrorsAreHiddenAndNeverSpin) {
    EXPECT_EQ(tickActionFor(kOutOfRange, 2000), TickAction::HideMessage);
    EXPECT_EQ(tickActionFor(QStringLiteral("ファイルが見当たりません"), 2000),
              TickAction::HideMessage);
    EXPECT_EQ(tickActionFor(kTrimBusy, 2000), TickAction::HideMessage);
}

}  // namespace
}  // namespace trimming
