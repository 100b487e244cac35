#include "trimming/FrameKeys.h"

#include "trimming/FrameMapping.h"

#include <gtest/gtest.h>

namespace trimming {
namespace {

// A 1000 x 800 image shown at half size (500 x 400 at (10, 20)), with a
// frame (left, top, width, height) and the given step.
FrameFields frameOf(int left, int top, int width, int height, int step) {
    FrameFields frame;
    frame.ImageWidth = 1000;
    frame.ImageHeight = 800;
    frame.ViewImageLeft = 10;
    frame.ViewImageTop = 20;
    frame.ViewImageWidth = 500;
    frame.ViewImageHeight = 400;
    frame.FrameLeft = left;
    frame.FrameTop = top;
    frame.FrameWidth = width;
    frame.FrameHeight = height;
    frame.FrameStep = step;
    mapFrameToView(frame);
    return frame;
}

struct FrameRect {
    int left, top, width, height;
    bool operator==(const FrameRect&) const = default;
};

FrameRect rectOf(const FrameFields& frame) {
    return {frame.FrameLeft, frame.FrameTop, frame.FrameWidth, frame.FrameHeight};
}

void PrintTo(const FrameRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

// Applies a key and checks the resulting frame and that the view agrees.
FrameRect press(FrameFields& frame, FrameKey key, bool shift = false) {
    applyFrameKey(frame, key, shift);
    FrameFields remapped = frame;
    mapFrameToView(remapped);
    EXPECT_EQ(frame, remapped) << "view values out of step with the frame";
    return rectOf(frame);
}

TEST(FrameKeys, TopLeftEdgesMoveOutByTheStepOrStopAtZero) {
    FrameFields frame = frameOf(120, 30, 200, 100, 50);
    EXPECT_EQ(press(frame, FrameKey::W), (FrameRect{120, 0, 200, 130}));
    EXPECT_EQ(press(frame, FrameKey::A), (FrameRect{70, 0, 250, 130}));
    EXPECT_EQ(press(frame, FrameKey::A), (FrameRect{20, 0, 300, 130}));
    EXPECT_EQ(press(frame, FrameKey::A), (FrameRect{0, 0, 320, 130}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::A, false));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::W, true));
}

TEST(FrameKeys, TopLeftEdgesMoveInWhileTheSizeExceedsTheStep) {
    FrameFields frame = frameOf(0, 0, 120, 51, 50);
    EXPECT_EQ(press(frame, FrameKey::S), (FrameRect{0, 50, 120, 1}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::S, false));
    EXPECT_EQ(press(frame, FrameKey::D, true), (FrameRect{50, 50, 70, 1}));
    EXPECT_EQ(press(frame, FrameKey::D), (FrameRect{100, 50, 20, 1}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::D, false));
}

TEST(FrameKeys, TopLeftEdgesMovingInStayInsideTheImage) {
    FrameFields frame = frameOf(940, 740, 5000, 5000, 50);
    EXPECT_EQ(press(frame, FrameKey::D), (FrameRect{990, 740, 4950, 5000}));
    EXPECT_EQ(press(frame, FrameKey::S), (FrameRect{990, 790, 4950, 4950}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::D, false));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::S, false));
}

TEST(FrameKeys, ArrowsMoveTheBottomRightCorner) {
    FrameFields frame = frameOf(10, 10, 60, 60, 50);
    EXPECT_EQ(press(frame, FrameKey::Up), (FrameRect{10, 10, 60, 10}));
    EXPECT_EQ(press(frame, FrameKey::Left), (FrameRect{10, 10, 10, 10}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Up, false));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Left, false));
}

TEST(FrameKeys, SizeEqualToTheStepDoesNotShrink) {
    FrameFields frame = frameOf(100, 100, 50, 50, 50);
    const FrameFields before = frame;
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::S, false));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Up, false));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::D, false));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Left, false));
    EXPECT_EQ(frame, before);
}

TEST(FrameKeys, DownAndRightGrowPastTheImageWithoutLimit) {
    FrameFields frame = frameOf(0, 0, 1000, 800, 32);
    EXPECT_EQ(press(frame, FrameKey::Down), (FrameRect{0, 0, 1000, 832}));
    EXPECT_EQ(press(frame, FrameKey::Right), (FrameRect{0, 0, 1032, 832}));
}

TEST(FrameKeys, GrowthSaturatesInsteadOfOverflowing) {
    FrameFields frame = frameOf(0, 0, INT32_MAX - 10, INT32_MAX - 1, 50);
    EXPECT_EQ(press(frame, FrameKey::Right), (FrameRect{0, 0, INT32_MAX, INT32_MAX - 1}));
    EXPECT_EQ(press(frame, FrameKey::Down), (FrameRect{0, 0, INT32_MAX, INT32_MAX}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Right, false));
}

TEST(FrameKeys, ShiftArrowsMoveTheWholeFrame) {
    FrameFields frame = frameOf(60, 30, 200, 100, 50);
    EXPECT_EQ(press(frame, FrameKey::Up, true), (FrameRect{60, 0, 200, 100}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Up, true));
    EXPECT_EQ(press(frame, FrameKey::Left, true), (FrameRect{10, 0, 200, 100}));
    EXPECT_EQ(press(frame, FrameKey::Left, true), (FrameRect{0, 0, 200, 100}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Left, true));
    EXPECT_EQ(press(frame, FrameKey::Down, true), (FrameRect{0, 50, 200, 100}));
    EXPECT_EQ(press(frame, FrameKey::Right, true), (FrameRect{50, 50, 200, 100}));
}

TEST(FrameKeys, ShiftRightStopsBeforeTheCornerWouldReachTheImageEdge) {
    FrameFields frame = frameOf(900, 0, 10, 10, 50);
    EXPECT_EQ(press(frame, FrameKey::Right, true), (FrameRect{950, 0, 10, 10}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Right, true));  // 950 + 50 == 1000
    frame.FrameStep = 32;
    EXPECT_EQ(press(frame, FrameKey::Right, true), (FrameRect{982, 0, 10, 10}));
    frame.FrameStep = 8;
    EXPECT_EQ(press(frame, FrameKey::Right, true), (FrameRect{990, 0, 10, 10}));
    EXPECT_EQ(press(frame, FrameKey::Right, true), (FrameRect{998, 0, 10, 10}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Right, true));
}

TEST(FrameKeys, ShiftDownStopsBeforeTheCornerWouldReachTheImageEdge) {
    FrameFields frame = frameOf(0, 749, 10, 10, 50);
    EXPECT_EQ(press(frame, FrameKey::Down, true), (FrameRect{0, 799, 10, 10}));
    EXPECT_FALSE(applyFrameKey(frame, FrameKey::Down, true));
}

TEST(FrameKeys, LettersIgnoreShift) {
    for (const FrameKey key : {FrameKey::W, FrameKey::A, FrameKey::S, FrameKey::D}) {
        FrameFields plain = frameOf(120, 130, 200, 100, 50);
        FrameFields shifted = plain;
        EXPECT_TRUE(applyFrameKey(plain, key, false));
        EXPECT_TRUE(applyFrameKey(shifted, key, true));
        EXPECT_EQ(plain, shifted);
    }
}

// Each key recomputes only the view values its change touches: with the
// other view values set to a marker, the marker must survive.
TEST(FrameKeys, RemapsExactlyTheListedViewValues) {
    struct Row {
        FrameKey key;
        bool shift;
        bool left, top, width, height;
    };
    const Row rows[] = {
        {FrameKey::W, false, false, true, false, true},
        {FrameKey::S, false, false, true, false, true},
        {FrameKey::A, false, true, false, true, false},
        {FrameKey::D, false, true, false, true, false},
        {FrameKey::Up, false, false, false, false, true},
        {FrameKey::Down, false, false, false, false, true},
        {FrameKey::Left, false, false, false, true, false},
        {FrameKey::Right, false, false, false, true, false},
        {FrameKey::Up, true, false, true, false, false},
        {FrameKey::Down, true, false, true, false, false},
        {FrameKey::Left, true, true, false, false, false},
        {FrameKey::Right, true, true, false, false, false},
    };
    constexpr int marker = -12345;
    for (const Row& row : rows) {
        FrameFields frame = frameOf(120, 130, 200, 100, 50);
        frame.ViewFrameLeft = frame.ViewFrameTop = marker;
        frame.ViewFrameWidth = frame.ViewFrameHeight = marker;
        ASSERT_TRUE(applyFrameKey(frame, row.key, row.shift));
        FrameFields mapped = frame;
        mapFrameToView(mapped);
        SCOPED_TRACE(static_cast<int>(row.key) * 2 + row.shift);
        EXPECT_EQ(frame.ViewFrameLeft, row.left ? mapped.ViewFrameLeft : marker);
        EXPECT_EQ(frame.ViewFrameTop, row.top ? mapped.ViewFrameTop : marker);
        EXPECT_EQ(frame.ViewFrameWidth, row.width ? mapped.ViewFrameWidth : marker);
        EXPECT_EQ(frame.ViewFrameHeight, row.height ? mapped.ViewFrameHeight : marker);
    }
}

TEST(FrameKeys, KeyCodesOfQt) {
    EXPECT_EQ(frameKeyOf(Qt::Key_W), FrameKey::W);
    EXPECT_EQ(frameKeyOf(Qt::Key_D), FrameKey::D);
    EXPECT_EQ(frameKeyOf(Qt::Key_Right), FrameKey::Right);
    EXPECT_EQ(frameKeyOf(Qt::Key_X), std::nullopt);
    EXPECT_EQ(frameKeyOf(Qt::Key_Return), std::nullopt);
}

TEST(FrameStepKeys, DigitsOneToSixChooseTheSteps) {
    const int keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6};
    const int steps[] = {1, 5, 50, 2, 8, 32};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(frameStepForKey(keys[i], Qt::NoModifier), steps[i]);
        EXPECT_EQ(frameStepForKey(keys[i], Qt::ShiftModifier), steps[i]);
    }
    EXPECT_EQ(frameStepForKey(Qt::Key_4, Qt::NoModifier), 2);
}

TEST(FrameStepKeys, KeypadAndOtherDigitsAreIgnored) {
    EXPECT_EQ(frameStepForKey(Qt::Key_1, Qt::KeypadModifier), std::nullopt);
    EXPECT_EQ(frameStepForKey(Qt::Key_0, Qt::NoModifier), std::nullopt);
    EXPECT_EQ(frameStepForKey(Qt::Key_7, Qt::NoModifier), std::nullopt);
    EXPECT_EQ(frameStepForKey(Qt::Key_W, Qt::NoModifier), std::nullopt);
}

}  // namespace
}  // namespace trimming
