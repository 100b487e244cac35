#include "split/SharedCrop.h"

#include "tests/split/PixelChecks.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace split {
namespace {

using split_tests::cropOf;
using split_tests::firstDifference;
using testing_support::patternImage;

TEST(SharedCrop, ViewShowsTheRectangleAndOutlivesItsSource) {
    QImage view;
    {
        const QImage picture = patternImage(50, 40);
        view = sharedCrop(picture, {7, 5, 30, 33});
        EXPECT_EQ(firstDifference(view, cropOf(picture, {7, 5, 30, 33})), "");
    }
    EXPECT_EQ(firstDifference(view, cropOf(patternImage(50, 40), {7, 5, 30, 33})), "");
    // A view of a view.
    EXPECT_EQ(firstDifference(sharedCrop(view, {1, 2, 4, 6}),
                              cropOf(patternImage(50, 40), {8, 7, 11, 11})),
              "");
}

TEST(SharedCrop, WritesNeverReachTheOtherPicture) {
    QImage picture = patternImage(20, 10);
    QImage view = sharedCrop(picture, {5, 5, 10, 10});
    view.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(firstDifference(picture, patternImage(20, 10)), "");

    const QImage second = sharedCrop(picture, {5, 5, 10, 10});
    picture.setPixel(5, 5, qRgb(9, 9, 9));
    EXPECT_EQ(firstDifference(second, cropOf(patternImage(20, 10), {5, 5, 10, 10})), "");
}

TEST(SharedCrop, ClipsAndRefusesEmptyRectangles) {
    const QImage picture = patternImage(20, 10);
    EXPECT_EQ(sharedCrop(picture, {-3, -3, 4, 100}).size(), QSize(4, 10));
    EXPECT_TRUE(sharedCrop(picture, {5, 5, 5, 9}).isNull());
    EXPECT_TRUE(sharedCrop(picture, {30, 0, 40, 5}).isNull());
    EXPECT_EQ(
        firstDifference(sharedCrop(picture.convertToFormat(QImage::Format_RGB32), {1, 1, 3, 3}),
                        cropOf(picture, {1, 1, 3, 3})),
        "");
}

}  // namespace
}  // namespace split
