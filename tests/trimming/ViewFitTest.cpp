#include "trimming/ViewFit.h"

#include "tests/trimming/Printers.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace trimming {
namespace {

TEST(ScaledTrunc, DividesBeforeMultiplyingInExtendedPrecision) {
    // 1024 / 2000 is stored just below 0.512, so the product falls just
    // short of 768; double precision would round up and give 768.
    EXPECT_EQ(scaledTrunc(1024, 2000, 1500), 767);
    EXPECT_EQ(scaledTrunc(700, 3072, 4096), 933);
    EXPECT_EQ(scaledTrunc(1024, 4096, 2048), 512);
}

TEST(ScaledTrunc, TruncatesTowardZeroAndClampsInsteadOfOverflowing) {
    EXPECT_EQ(scaledTrunc(-5, 2, 1), -2);
    EXPECT_EQ(scaledTrunc(INT32_MAX, 1, 4), INT32_MAX);
    EXPECT_EQ(scaledTrunc(INT32_MIN, 1, 4), INT32_MIN);
    EXPECT_EQ(scaledTrunc(0, 0, 5), 0);
    EXPECT_EQ(scaledTrunc(3, 0, 5), INT32_MAX);
}

TEST(FitImage, SmallerImageIsCentredUnscaledWithExtraPixelRightAndBottom) {
    EXPECT_EQ(fitImage(101, 51, 1024, 700), (ViewFit{461, 324, 101, 51, false}));
}

TEST(FitImage, ImageOfViewSizeSitsAtOrigin) {
    EXPECT_EQ(fitImage(1024, 700, 1024, 700), (ViewFit{0, 0, 1024, 700, false}));
}

TEST(FitImage, WideImageTakesViewWidth) {
    EXPECT_EQ(fitImage(4096, 2048, 1024, 700), (ViewFit{0, 94, 1024, 512, true}));
}

TEST(FitImage, WideImageTooHighAfterWidthFitTakesViewHeight) {
    EXPECT_EQ(fitImage(4096, 3072, 1024, 700), (ViewFit{45, 0, 933, 700, true}));
}

TEST(FitImage, TallImageTakesViewHeight) {
    EXPECT_EQ(fitImage(2048, 4096, 1024, 700), (ViewFit{337, 0, 350, 700, true}));
}

TEST(FitImage, ProductJustBelowAnIntegerIsTruncated) {
    EXPECT_EQ(fitImage(2000, 1500, 1024, 1000), (ViewFit{0, 116, 1024, 767, true}));
}

TEST(FitImage, SquareImageTakesViewHeightEvenInANarrowView) {
    EXPECT_EQ(fitImage(2000, 2000, 1024, 700), (ViewFit{162, 0, 700, 700, true}));
    // Wider than the view after the height fit: negative offset, cut at both
    // sides; (300 - 305) / 2 truncates to -2.
    EXPECT_EQ(fitImage(610, 610, 300, 305), (ViewFit{-2, 0, 305, 305, true}));
}

TEST(FitImage, TallImageInNarrowViewGetsNegativeOffset) {
    EXPECT_EQ(fitImage(1000, 1200, 400, 600), (ViewFit{-50, 0, 500, 600, true}));
}

TEST(FitImage, ScaledWhenOnlyOneSideExceedsTheView) {
    EXPECT_EQ(fitImage(1100, 100, 1024, 700), (ViewFit{0, 303, 1024, 93, true}));
    EXPECT_EQ(fitImage(100, 800, 1024, 700), (ViewFit{468, 0, 87, 700, true}));
}

}  // namespace
}  // namespace trimming
