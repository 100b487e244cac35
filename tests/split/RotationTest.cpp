#include "split/Rotation.h"

#include "imaging/PictureIo.h"

#include "tests/split/PixelChecks.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace split {
namespace {

using split_tests::firstDifference;
using testing_support::patternImage;

// A picture from rows of distinct colours given as small numbers.
QImage fromRows(const std::vector<std::vector<int>>& rows) {
    QImage picture(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                   QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int v = rows[y][x];
            picture.setPixel(x, y, qRgb(v * 10, 255 - v, v * 3));
        }
    }
    return picture;
}

TEST(TurnQuarter, ThreeByTwoLeftAndRight) {
    // a b c / d e f
    const QImage picture = fromRows({{1, 2, 3}, {4, 5, 6}});
    // Left: (c f), (b e), (a d).
    EXPECT_EQ(firstDifference(turnQuarter(picture, TurnDirection::Left),
                              fromRows({{3, 6}, {2, 5}, {1, 4}})),
              "");
    // Right: (d a), (e b), (f c).
    EXPECT_EQ(firstDifference(turnQuarter(picture, TurnDirection::Right),
                              fromRows({{4, 1}, {5, 2}, {6, 3}})),
              "");
}

TEST(TurnQuarter, TurnsUndoEachOtherAcrossTileEdges) {
    // Larger than one 64-pixel tile in both directions and not a multiple.
    const QImage picture = patternImage(150, 71);
    const QImage left = turnQuarter(picture, TurnDirection::Left);
    EXPECT_EQ(left.size(), QSize(71, 150));
    EXPECT_EQ(firstDifference(turnQuarter(left, TurnDirection::Right), picture), "");

    QImage four = picture;
    QImage fourRight = picture;
    for (int i = 0; i < 4; ++i) {
        four = turnQuarter(four, TurnDirection::Left);
        fourRight = turnQuarter(fourRight, TurnDirection::Right);
    }
    EXPECT_EQ(firstDifference(four, picture), "");
    EXPECT_EQ(firstDifference(fourRight, picture), "");

    // Spot checks of the mapping on the big picture.
    const QImage right = turnQuarter(picture, TurnDirection::Right);
    EXPECT_EQ(left.pixel(70, 0), picture.pixel(149, 70));    // (x,y) -> (y, W-1-x)
    EXPECT_EQ(right.pixel(0, 149), picture.pixel(149, 70));  // (x,y) -> (H-1-y, x)
}

TEST(TurnQuarter, DegenerateSizes) {
    const QImage dot = fromRows({{7}});
    EXPECT_EQ(firstDifference(turnQuarter(dot, TurnDirection::Left), dot), "");
    EXPECT_EQ(firstDifference(turnQuarter(dot, TurnDirection::Right), dot), "");

    const QImage line = fromRows({{1, 2, 3, 4}});
    EXPECT_EQ(
        firstDifference(turnQuarter(line, TurnDirection::Left), fromRows({{4}, {3}, {2}, {1}})),
        "");
    EXPECT_EQ(
        firstDifference(turnQuarter(line, TurnDirection::Right), fromRows({{1}, {2}, {3}, {4}})),
        "");
    EXPECT_TRUE(turnQuarter(QImage(), TurnDirection::Left).isNull());
}

TEST(TurnQuarter, OtherFormatsComeOutAsRgb888) {
    const QImage picture = patternImage(5, 3);
    const QImage turned =
        turnQuarter(picture.convertToFormat(QImage::Format_ARGB32), TurnDirection::Right);
    EXPECT_EQ(turned.format(), QImage::Format_RGB888);
    EXPECT_EQ(firstDifference(turned, turnQuarter(picture, TurnDirection::Right)), "");
}

// A page turned while it is encoded must give the very bytes of the turned
// page encoded: rows gathered from the wrong column, or a band edge off by
// one, would show as a torn or mirrored page.
TEST(TurnQuarter, TurningWhileEncodingGivesTheBytesOfTheTurnedPage) {
    const QImage wide = testing_support::patternImage(70, 37);
    // A view into a larger picture, with rows longer than its width.
    const QImage view(wide.constScanLine(3) + 5 * 3, 33, 30, wide.bytesPerLine(),
                      QImage::Format_RGB888);
    const QImage pictures[] = {testing_support::patternImage(1, 1), wide, view,
                               testing_support::patternImage(16, 48),
                               wide.convertToFormat(QImage::Format_Grayscale8)};
    for (const QImage& picture : pictures) {
        for (const auto& [direction, turn] :
             {std::pair{split::TurnDirection::Left, imaging::QuarterTurn::Left},
              std::pair{split::TurnDirection::Right, imaging::QuarterTurn::Right}}) {
            QByteArray whileEncoding;
            ASSERT_TRUE(imaging::encodeJpeg(picture, 80, turn, whileEncoding).ok());
            const auto turnedFirst =
                imaging::encodeJpeg(split::turnQuarter(picture, direction), 80);
            ASSERT_TRUE(turnedFirst.ok());
            EXPECT_TRUE(whileEncoding == *turnedFirst)
                << picture.width() << "x" << picture.height() << " turned "
                << (turn == imaging::QuarterTurn::Left ? "left" : "right");
        }
    }
}

}  // namespace
}  // namespace split
