#include "trimming/ViewRenderer.h"

#include "tests/trimming/Printers.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace trimming {
namespace {

QRgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(RenderView, UnscaledPictureIsDrawnOneToOneOnBlack) {
    const QImage picture = testing_support::patternImage(5, 3);
    const ViewFit fit = fitImage(5, 3, 10, 8);
    const QImage view = renderView(picture, 10, 8, fit);
    ASSERT_EQ(view.size(), QSize(10, 8));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 7 && y >= 2 && y < 5;
            const QRgb expected = inside ? picture.pixel(x - 2, y - 2) & 0xFFFFFF : 0;
            ASSERT_EQ(rgbAt(view, x, y), expected) << x << ", " << y;
        }
    }
}

TEST(RenderView, DownscaleAveragesAreasSoFineDetailBecomesGrey) {
    // Alternating black and white columns halve to mid grey with area
    // averaging; a nearest-neighbour pick would give pure black or white.
    QImage stripes(200, 100, QImage::Format_RGB888);
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 100; ++y) {
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    const ViewFit fit = fitImage(200, 100, 100, 100);
    ASSERT_EQ(fit, (ViewFit{0, 25, 100, 50, true}));
    const QImage view = renderView(stripes, 100, 100, fit);
    EXPECT_EQ(rgbAt(view, 50, 10), 0u);
    const int grey = qRed(view.pixel(50, 50));
    EXPECT_GT(grey, 100);
    EXPECT_LT(grey, 155);
}

TEST(RenderView, LargeReductionKeepsAUniformPictureExactToItsEdges) {
    // 1003 x 701 does not divide into whole blocks: the partial blocks at
    // the right and bottom must average only the pixels they hold.
    QImage picture(1003, 701, QImage::Format_RGB888);
    picture.fill(qRgb(90, 160, 230));
    const ViewFit fit = fitImage(1003, 701, 100, 100);
    ASSERT_EQ(fit, (ViewFit{0, 15, 100, 69, true}));
    const QImage view = renderView(picture, 100, 100, fit);
    for (int y = 15; y < 15 + 69; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(rgbAt(view, x, y), qRgb(90, 160, 230) & 0xFFFFFF) << x << ", " << y;
        }
    }
    EXPECT_EQ(rgbAt(view, 50, 14), 0u);
    EXPECT_EQ(rgbAt(view, 50, 84), 0u);
}

TEST(RenderView, NegativeOffsetCutsBothSides) {
    // Left half red, right half blue, drawn wider than the view.
    QImage picture(1000, 1200, QImage::Format_RGB888);
    picture.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 1200; ++y) {
        for (int x = 500; x < 1000; ++x) {
            picture.setPixel(x, y, qRgb(0, 0, 255));
        }
    }
    const ViewFit fit = fitImage(1000, 1200, 400, 600);
    ASSERT_EQ(fit.left, -50);
    const QImage view = renderView(picture, 400, 600, fit);
    ASSERT_EQ(view.size(), QSize(400, 600));
    EXPECT_EQ(rgbAt(view, 0, 300), qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(rgbAt(view, 199, 300), qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(rgbAt(view, 200, 300), qRgb(0, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(rgbAt(view, 399, 300), qRgb(0, 0, 255) & 0xFFFFFF);
}

TEST(RenderView, NullPictureOrEmptyViewIsHandled) {
    const QImage black = renderView(QImage(), 4, 3, ViewFit{0, 0, 4, 3, true});
    ASSERT_EQ(black.size(), QSize(4, 3));
    EXPECT_EQ(rgbAt(black, 2, 1), 0u);
    EXPECT_TRUE(renderView(testing_support::patternImage(4, 4), 0, 10, ViewFit{}).isNull());
}

}  // namespace
}  // namespace trimming
