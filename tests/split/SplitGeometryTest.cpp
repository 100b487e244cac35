#include "split/SplitGeometry.h"

#include "tests/split/PixelChecks.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace split {
namespace {

using imaging::PixelRect;
using split_tests::cropOf;
using split_tests::firstDifference;
using testing_support::patternImage;

SplitGeometry geometryOf(int width, int height, SplitDirection direction, int centre) {
    const auto geometry = splitGeometry(width, height, direction, centre);
    EXPECT_TRUE(geometry.ok()) << geometry.error().message.toStdString();
    return geometry.ok() ? geometry.value() : SplitGeometry{};
}

TEST(SplitGeometry, LeftToRightReadingEvenWidthTakesRightHalfFirst) {
    const SplitGeometry g = geometryOf(1000, 700, SplitDirection::Left, 0);
    EXPECT_EQ(g.partSize, QSize(500, 700));
    EXPECT_EQ(g.first, (PixelRect{500, 0, 1000, 700}));
    EXPECT_EQ(g.second, (PixelRect{0, 0, 500, 700}));
    EXPECT_EQ(g.centreWidth, 0);
}

TEST(SplitGeometry, OddWidthWithCentreGivesTheFarPartOneExtraColumn) {
    const SplitGeometry g = geometryOf(1001, 700, SplitDirection::Right, 10);
    EXPECT_EQ(g.partSize, QSize(490, 700));
    EXPECT_EQ(g.first, (PixelRect{0, 0, 490, 700}));
    EXPECT_EQ(g.second, (PixelRect{510, 0, 1001, 700}));
    EXPECT_EQ(g.centreWidth, 10);
}

TEST(SplitGeometry, DownAndUpCutRows) {
    const SplitGeometry down = geometryOf(700, 1000, SplitDirection::Down, 0);
    EXPECT_EQ(down.partSize, QSize(700, 500));
    EXPECT_EQ(down.first, (PixelRect{0, 0, 700, 500}));
    EXPECT_EQ(down.second, (PixelRect{0, 500, 700, 1000}));

    const SplitGeometry up = geometryOf(700, 1001, SplitDirection::Up, 20);
    EXPECT_EQ(up.partSize, QSize(700, 480));
    EXPECT_EQ(up.first, (PixelRect{0, 520, 700, 1001}));
    EXPECT_EQ(up.second, (PixelRect{0, 0, 700, 480}));
}

TEST(SplitGeometry, NoneKeepsTheWholeImageAndIgnoresTheCentre) {
    const SplitGeometry g = geometryOf(31, 17, SplitDirection::None, 5);
    EXPECT_EQ(g.partSize, QSize(31, 17));
    EXPECT_EQ(g.first, (PixelRect{0, 0, 31, 17}));
    EXPECT_FALSE(g.second.has_value());
    EXPECT_EQ(g.centreWidth, 0);
}

TEST(SplitGeometry, CentreNotSmallerThanTheHalfFallsBackToNoRemoval) {
    const SplitGeometry tooWide = geometryOf(600, 400, SplitDirection::Right, 300);
    EXPECT_EQ(tooWide.centreWidth, 0);
    EXPECT_EQ(tooWide.partSize, QSize(300, 400));
    EXPECT_EQ(tooWide.second, (PixelRect{300, 0, 600, 400}));

    const SplitGeometry justFits = geometryOf(600, 400, SplitDirection::Right, 299);
    EXPECT_EQ(justFits.centreWidth, 299);
    EXPECT_EQ(justFits.partSize, QSize(1, 400));

    // Only the cut half counts: a tall image cut down with a centre wider
    // than half its width keeps the centre.
    const SplitGeometry tall = geometryOf(100, 1000, SplitDirection::Down, 60);
    EXPECT_EQ(tall.centreWidth, 60);
    EXPECT_EQ(geometryOf(100, 120, SplitDirection::Up, 60).centreWidth, 0);

    EXPECT_EQ(geometryOf(600, 400, SplitDirection::Left, -5).centreWidth, 0);
}

TEST(SplitGeometry, PartsBelowOnePixelAreAnError) {
    EXPECT_FALSE(splitGeometry(1, 50, SplitDirection::Right, 0).ok());
    EXPECT_FALSE(splitGeometry(1, 50, SplitDirection::Left, 10).ok());
    EXPECT_FALSE(splitGeometry(50, 1, SplitDirection::Down, 0).ok());
    EXPECT_FALSE(splitGeometry(0, 0, SplitDirection::None, 0).ok());
    EXPECT_FALSE(splitGeometry(1, 50, SplitDirection::Right, 0).error().message.isEmpty());

    EXPECT_TRUE(splitGeometry(1, 1, SplitDirection::None, 0).ok());
    EXPECT_TRUE(splitGeometry(1, 50, SplitDirection::Down, 0).ok());
    EXPECT_EQ(geometryOf(2, 5, SplitDirection::Right, 7).partSize, QSize(1, 5));
}

TEST(CutImage, EvenCutCopiesBothHalvesExactly) {
    const QImage picture = patternImage(100, 70);
    const auto parts = cutImage(picture, SplitDirection::Left, 0);
    ASSERT_TRUE(parts.ok());
    EXPECT_EQ(firstDifference(parts->first, cropOf(picture, {50, 0, 100, 70})), "");
    ASSERT_TRUE(parts->second.has_value());
    EXPECT_EQ(firstDifference(*parts->second, cropOf(picture, {0, 0, 50, 70})), "");
}

TEST(CutImage, FarPartOfOddWidthDropsItsLastColumn) {
    const QImage picture = patternImage(101, 30);
    const auto parts = cutImage(picture, SplitDirection::Right, 10);
    ASSERT_TRUE(parts.ok());
    EXPECT_EQ(parts->centreWidth, 10);
    EXPECT_EQ(firstDifference(parts->first, cropOf(picture, {0, 0, 40, 30})), "");
    ASSERT_TRUE(parts->second.has_value());
    // Columns 60..100 (41) scaled into 40: nearest neighbour keeps 60..99.
    EXPECT_EQ(firstDifference(*parts->second, cropOf(picture, {60, 0, 100, 30})), "");
}

TEST(CutImage, FarPartOfOddHeightDropsItsLastRow) {
    const QImage picture = patternImage(30, 101);
    const auto parts = cutImage(picture, SplitDirection::Up, 20);
    ASSERT_TRUE(parts.ok());
    EXPECT_EQ(firstDifference(parts->first, cropOf(picture, {0, 70, 30, 100})), "");
    ASSERT_TRUE(parts->second.has_value());
    EXPECT_EQ(firstDifference(*parts->second, cropOf(picture, {0, 0, 30, 30})), "");
}

TEST(CutImage, NoneGivesTheWholePictureInRgb888) {
    const QImage picture = patternImage(9, 4).convertToFormat(QImage::Format_RGB32);
    const auto parts = cutImage(picture, SplitDirection::None, 3);
    ASSERT_TRUE(parts.ok());
    EXPECT_EQ(parts->first.format(), QImage::Format_RGB888);
    EXPECT_EQ(firstDifference(parts->first, patternImage(9, 4)), "");
    EXPECT_FALSE(parts->second.has_value());
}

TEST(CutImage, TooSmallOrNullPictureIsAnErrorNotNullParts) {
    EXPECT_FALSE(cutImage(patternImage(1, 8), SplitDirection::Left, 0).ok());
    EXPECT_FALSE(cutImage(QImage(), SplitDirection::None, 0).ok());
    const auto narrowest = cutImage(patternImage(3, 2), SplitDirection::Left, 0);
    ASSERT_TRUE(narrowest.ok());
    EXPECT_EQ(firstDifference(narrowest->first, cropOf(patternImage(3, 2), {1, 0, 2, 2})), "");
}

// A cut found at the gutter takes each side whole at its own size, the
// centre strip taken off both sides of it (and dropped when it would eat
// either side); a cut at an edge is refused; "なし" ignores the cut.
TEST(CutImage, AtAFoundCutEachPartIsItsSideWhole) {
    const QImage picture = patternImage(101, 30);
    const auto left = cutImage(picture, SplitDirection::Left, 5, 37);
    ASSERT_TRUE(left.ok());
    EXPECT_EQ(left->centreWidth, 5);
    EXPECT_EQ(firstDifference(left->first, cropOf(picture, {42, 0, 101, 30})), "");
    ASSERT_TRUE(left->second.has_value());
    EXPECT_EQ(firstDifference(*left->second, cropOf(picture, {0, 0, 32, 30})), "");

    const QImage tall = patternImage(30, 90);
    const auto down = cutImage(tall, SplitDirection::Down, 0, 60);
    ASSERT_TRUE(down.ok());
    EXPECT_EQ(firstDifference(down->first, cropOf(tall, {0, 0, 30, 60})), "");
    EXPECT_EQ(firstDifference(*down->second, cropOf(tall, {0, 60, 30, 90})), "");

    const auto swallowed = splitGeometry(100, 30, SplitDirection::Right, 20, 80);
    ASSERT_TRUE(swallowed.ok());
    EXPECT_EQ(swallowed->centreWidth, 0);
    EXPECT_EQ(swallowed->first, (PixelRect{0, 0, 80, 30}));
    EXPECT_EQ(swallowed->second, (PixelRect{80, 0, 100, 30}));
    EXPECT_FALSE(splitGeometry(100, 30, SplitDirection::Right, 0, 0).ok());
    EXPECT_FALSE(splitGeometry(100, 30, SplitDirection::Up, 0, 30).ok());
    EXPECT_EQ(geometryOf(100, 30, SplitDirection::None, 0).first, (PixelRect{0, 0, 100, 30}));
    EXPECT_EQ(splitGeometry(100, 30, SplitDirection::None, 0, 10)->first,
              (PixelRect{0, 0, 100, 30}));
}

}  // namespace
}  // namespace split
