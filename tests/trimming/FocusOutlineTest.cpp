#include "trimming/FocusOutline.h"

#include <gtest/gtest.h>

#include <climits>

namespace trimming {
namespace {

QImage grey(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(0x40, 0x80, 0xC0));
    return picture;
}

// The picture as rows of '.' (unchanged) and '#' (inverted) against `before`.
std::string dotsOf(const QImage& picture, const QImage& before) {
    std::string rows;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            rows += picture.pixel(x, y) == before.pixel(x, y) ? '.' : '#';
        }
        rows += '\n';
    }
    return rows;
}

TEST(FocusOutline, DotsEveryOtherPixelOfTheOutlineAndInvertsThem) {
    const QImage before = grey(7, 6);
    QImage picture = before;
    invertFocusOutline(picture, 1, 1, 5, 4);
    EXPECT_EQ(dotsOf(picture, before),
              ".......\n"
              ".#.#.#.\n"
              ".......\n"
              ".#...#.\n"
              "..#.#..\n"
              ".......\n");
    EXPECT_EQ(picture.pixel(1, 1), qRgb(0xBF, 0x7F, 0x3F));
}

TEST(FocusOutline, DrawingTwiceRestoresThePicture) {
    const QImage before = grey(20, 15);
    QImage picture = before;
    invertFocusOutline(picture, 3, 2, 10, 9);
    ASSERT_NE(picture, before);
    invertFocusOutline(picture, 3, 2, 10, 9);
    EXPECT_EQ(picture, before);
}

TEST(FocusOutline, ThinRectanglesInvertEachPixelOnce) {
    const QImage before = grey(6, 3);
    QImage row = before;
    invertFocusOutline(row, 0, 1, 6, 1);
    EXPECT_EQ(dotsOf(row, before), "......\n.#.#.#\n......\n");
    QImage column = before;
    invertFocusOutline(column, 2, 0, 1, 3);
    EXPECT_EQ(dotsOf(column, before), "..#...\n......\n..#...\n");
}

TEST(FocusOutline, PartsOutsideThePictureAreSkipped) {
    const QImage before = grey(4, 4);
    QImage picture = before;
    invertFocusOutline(picture, -3, 2, 5, INT_MAX);
    EXPECT_EQ(dotsOf(picture, before), "....\n....\n#...\n.#..\n");
    invertFocusOutline(picture, -3, 2, 5, INT_MAX);
    EXPECT_EQ(picture, before);
}

TEST(FocusOutline, EmptyRectangleDrawsNothing) {
    const QImage before = grey(4, 4);
    QImage picture = before;
    invertFocusOutline(picture, 0, 0, 0, 3);
    invertFocusOutline(picture, 0, 0, 3, -1);
    EXPECT_EQ(picture, before);
}

}  // namespace
}  // namespace trimming
