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

TEST(TrimmingTexts, ShowNextSwitch) {
    EXPECT_EQ(showNextPanelText(true), QStringLiteral("[T] 次表示 有効"));
    EXPECT_EQ(showNextPanelText(false), QStringLiteral("[T] 次表示 無効"));
}

TEST(TrimmingTexts, NamingSwitchCyclesAndGivesSuffixes) {
    const TrimNaming first = nextNaming(TrimNaming::Plain);
    const TrimNaming second = nextNaming(first);
    EXPECT_EQ(namingPanelText(TrimNaming::Plain), QStringLiteral("[N] 元名+なし"));
    EXPECT_EQ(namingPanelText(first), QStringLiteral("[N] 元名+_1"));
    EXPECT_EQ(namingPanelText(second), QStringLiteral("[N] 元名+_2"));
    EXPECT_EQ(nextNaming(second), TrimNaming::Plain);
    EXPECT_EQ(namingSuffix(TrimNaming::Plain), QStringLiteral(".bmp"));
    EXPECT_EQ(namingSuffix(first), QStringLiteral("_1.bmp"));
    EXPECT_EQ(namingSuffix(second), QStringLiteral("_2.bmp"));
}

TEST(TrimmingTexts, StatusPanelsStartWithTheSwitchesAtTheirStartValues) {
    ASSERT_EQ(kStatusPanels.size(), 13u);
    EXPECT_EQ(statusPanelText(1), showNextPanelText(true));
    EXPECT_EQ(statusPanelText(2), namingPanelText(TrimNaming::Plain));
}

}  // namespace
}  // namespace trimming
