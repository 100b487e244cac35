#include "trimming/StepTarget.h"

#include <gtest/gtest.h>

namespace trimming {
namespace {

TEST(StepTarget, NextAndPreviousInsideTheList) {
    EXPECT_EQ(stepTarget(3, 3, 10, 1), 4);
    EXPECT_EQ(stepTarget(3, 3, 10, -1), 2);
}

TEST(StepTarget, NoWrapAroundAtEitherEnd) {
    EXPECT_EQ(stepTarget(9, 9, 10, 1), std::nullopt);
    EXPECT_EQ(stepTarget(0, 0, 10, -1), std::nullopt);
    EXPECT_EQ(stepTarget(0, 0, 1, 1), std::nullopt);
}

TEST(StepTarget, TestsTheItemIndexAndMovesTheCurrentItem) {
    // Two items selected, the shown one is the later: X is allowed by the
    // lowest selected item and steps from the shown one.
    EXPECT_EQ(stepTarget(2, 5, 10, 1), 6);
    EXPECT_EQ(stepTarget(0, 5, 10, -1), std::nullopt);
}

TEST(StepTarget, NeverLeavesTheList) {
    EXPECT_EQ(stepTarget(0, 9, 10, 1), std::nullopt);
    EXPECT_EQ(stepTarget(4, 0, 10, -1), std::nullopt);
    EXPECT_EQ(stepTarget(-1, -1, 0, 1), std::nullopt);
}

}  // namespace
}  // namespace trimming
