#include "trimming/TrimRequest.h"

#include "trimming/TrimSequence.h"
#include "trimming/TrimmingTexts.h"

#include <gtest/gtest.h>

namespace trimming {
namespace {

FrameFields frame(int left, int top, int width, int height) {
    FrameFields f;
    f.ImageWidth = 100;
    f.ImageHeight = 80;
    f.FrameLeft = left;
    f.FrameTop = top;
    f.FrameWidth = width;
    f.FrameHeight = height;
    return f;
}

TEST(TrimStart, FrameWithItsCornerInsideIsTrimmed) {
    EXPECT_EQ(trimStart(frame(0, 0, 100, 80)), (SequenceStart{kTrimBusy, kWorkInterval}));
    EXPECT_EQ(trimStart(frame(99, 79, 500, 500)), (SequenceStart{kTrimBusy, kWorkInterval}));
}

TEST(TrimStart, CornerOutsideTheImageIsRefused) {
    const SequenceStart refused{kOutOfRange, kMessageInterval};
    EXPECT_EQ(trimStart(frame(100, 0, 5, 5)), refused);
    EXPECT_EQ(trimStart(frame(0, 80, 5, 5)), refused);
}

TEST(TrimStart, ZeroFrameIsRefusedLikeACornerOutside) {
    const SequenceStart refused{kOutOfRange, kMessageInterval};
    EXPECT_EQ(trimStart(frame(0, 0, 0, 0)), refused);
    EXPECT_EQ(trimStart(frame(0, 0, 10, 0)), refused);
    EXPECT_EQ(trimStart(frame(0, 0, 0, 10)), refused);
}

TEST(TrimStart, FailureShowsItsMessageThenEnds) {
    const SequenceStart failed = failureShown(QStringLiteral("ファイルが見当たりません"));
    EXPECT_EQ(failed.interval, kMessageInterval);
    EXPECT_EQ(tickActionFor(failed.panelText, failed.interval), TickAction::HideMessage);
}

TEST(SurvivesClosing, OnlyOnceTheFileIsWritten) {
    EXPECT_FALSE(survivesClosing(kTrimBusy, kWorkInterval));
    EXPECT_FALSE(survivesClosing(kCopyBusy, kWorkInterval));
    EXPECT_TRUE(survivesClosing(kTrimBusy, kFirstDisplayInterval));
    EXPECT_TRUE(survivesClosing(kTrimDone, kSecondDisplayInterval));
    EXPECT_TRUE(survivesClosing(kCopyBusy, kFirstDisplayInterval));
    EXPECT_TRUE(survivesClosing(kCopyDone, kSecondDisplayInterval));
    EXPECT_FALSE(survivesClosing(kOutOfRange, kMessageInterval));
}

}  // namespace
}  // namespace trimming
