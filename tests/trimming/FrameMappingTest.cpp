#include "trimming/FrameMapping.h"

#include <gtest/gtest.h>

namespace trimming {
namespace {

// A 4096 x 3072 image in a 1024 x 700 view: drawn 933 x 700 at (45, 0).
FrameFields shownWholeImage() {
    FrameFields frame;
    showImage(frame, 4096, 3072, fitImage(4096, 3072, 1024, 700), true);
    return frame;
}

TEST(FrameMapping, FirstShowingFramesTheWholeImage) {
    const FrameFields frame = shownWholeImage();
    EXPECT_EQ(frame.ImageWidth, 4096);
    EXPECT_EQ(frame.ImageHeight, 3072);
    EXPECT_EQ(frame.FrameLeft, 0);
    EXPECT_EQ(frame.FrameTop, 0);
    EXPECT_EQ(frame.FrameWidth, 4096);
    EXPECT_EQ(frame.FrameHeight, 3072);
    EXPECT_EQ(frame.ViewFrameLeft, 45);
    EXPECT_EQ(frame.ViewFrameTop, 0);
    EXPECT_EQ(frame.ViewFrameWidth, 933);
    EXPECT_EQ(frame.ViewFrameHeight, 700);
}

TEST(FrameMapping, MapsEachValueByDivisionFirstThenTruncation) {
    FrameFields frame = shownWholeImage();
    frame.FrameLeft = 1000;
    frame.FrameTop = 333;
    frame.FrameWidth = 2001;
    frame.FrameHeight = 1;
    mapFrameToView(frame);
    EXPECT_EQ(frame.ViewFrameLeft, 45 + 227);  // 1000 / 4096 * 933 = 227.78
    EXPECT_EQ(frame.ViewFrameTop, 75);         // 333 / 3072 * 700 = 75.87
    EXPECT_EQ(frame.ViewFrameWidth, 455);      // 2001 / 4096 * 933 = 455.80
    EXPECT_EQ(frame.ViewFrameHeight, 0);       // 1 / 3072 * 700 = 0.23
}

TEST(FrameMapping, AnotherImageKeepsTheFrameAndOnlyRemapsIt) {
    FrameFields frame = shownWholeImage();
    frame.FrameLeft = 100;
    frame.FrameTop = 50;
    frame.FrameWidth = 3000;
    frame.FrameHeight = 2000;
    showImage(frame, 800, 600, fitImage(800, 600, 1024, 700), false);
    EXPECT_EQ(frame.FrameLeft, 100);
    EXPECT_EQ(frame.FrameWidth, 3000);
    EXPECT_EQ(frame.ViewImageLeft, 112);
    EXPECT_EQ(frame.ViewImageTop, 50);
    // Unscaled: one image pixel per view pixel; the frame reaches past the image.
    EXPECT_EQ(frame.ViewFrameLeft, 212);
    EXPECT_EQ(frame.ViewFrameTop, 100);
    EXPECT_EQ(frame.ViewFrameWidth, 3000);
    EXPECT_EQ(frame.ViewFrameHeight, 2000);
}

TEST(FrameMapping, ZeroFrameFromStartUpMapsToTheImageCorner) {
    FrameFields frame;
    showImage(frame, 4096, 3072, fitImage(4096, 3072, 1024, 700), false);
    EXPECT_EQ(frame.FrameWidth, 0);
    EXPECT_EQ(frame.ViewFrameLeft, 45);
    EXPECT_EQ(frame.ViewFrameTop, 0);
    EXPECT_EQ(frame.ViewFrameWidth, 0);
    EXPECT_EQ(frame.ViewFrameHeight, 0);
}

TEST(FrameMapping, ResetReturnsToTheWholeImage) {
    FrameFields frame = shownWholeImage();
    const FrameFields whole = frame;
    frame.FrameLeft = 7;
    frame.FrameHeight = 9;
    mapFrameToView(frame);
    startWholeImage(frame);
    EXPECT_EQ(frame, whole);
}

TEST(FrameMapping, EmptyImageMapsWithoutDividingByZero) {
    FrameFields frame;
    frame.FrameLeft = 5;
    frame.FrameWidth = 5;
    frame.ViewImageLeft = 3;
    mapFrameToView(frame);
    EXPECT_EQ(frame.ViewFrameLeft, 3);
    EXPECT_EQ(frame.ViewFrameWidth, 0);
}

TEST(FrameMapping, PreviewRecordsOnlyAScaledDrawnSize) {
    FrameFields frame = shownWholeImage();
    const FrameFields before = frame;
    recordPreviewFit(frame, fitImage(100, 100, 1024, 700));
    EXPECT_EQ(frame, before);
    recordPreviewFit(frame, fitImage(2048, 4096, 1024, 700));
    FrameFields expected = before;
    expected.ViewImageWidth = 350;
    expected.ViewImageHeight = 700;
    EXPECT_EQ(frame, expected);
}

}  // namespace
}  // namespace trimming
