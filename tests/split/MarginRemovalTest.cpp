#include "split/MarginRemoval.h"

#include "tests/split/PixelChecks.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace split {
namespace {

using imaging::PixelRect;
using split_tests::cropOf;
using split_tests::firstDifference;
using split_tests::pageWithBox;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// The four scans as the program describes them, pixel by pixel in the
// stated order, to check the fast scan against.
PixelRect referenceBox(const QImage& picture, int threshold, int keep) {
    const int width = picture.width();
    const int height = picture.height();
    const auto grey = [&](int x, int y) {
        const QRgb c = picture.pixel(x, y);
        return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
    };
    const int bg = grey(0, 0);
    const auto content = [&](int x, int y) {
        const int p = grey(x, y);
        return p - threshold > bg || p + threshold < bg;
    };
    int left = 0, top = 0, right = width, bottom = height;
    bool allBackground = false;
    [&] {
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y) {
                if (content(x, y)) {
                    left = x;
                    return;
                }
                if (x == width - 1 && y == height - 1) {
                    allBackground = true;
                }
            }
        }
    }();
    if (!allBackground) {
        [&] {
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    if (content(x, y)) {
                        top = y;
                        return;
                    }
        }();
        [&] {
            for (int x = width - 1; x >= 0; --x)
                for (int y = 0; y < height; ++y)
                    if (content(x, y)) {
                        right = x + 1;
                        return;
                    }
        }();
        [&] {
            for (int y = height - 1; y >= 0; --y)
                for (int x = 0; x < width; ++x)
                    if (content(x, y)) {
                        bottom = y + 1;
                        return;
                    }
        }();
    }
    left = std::max(left - keep, 0);
    top = std::max(top - keep, 0);
    right = std::min(right + keep, width);
    bottom = std::min(bottom + keep, height);
    return PixelRect{left, top, right, bottom};
}

TEST(MarginBox, BlackSquareOnWhitePage) {
    const QImage page = pageWithBox(300, 200, kWhite, {100, 50, 110, 60}, kBlack);
    EXPECT_EQ(marginBox(page, 100, 0), (PixelRect{100, 50, 110, 60}));
    EXPECT_EQ(marginBox(page, 100, 5), (PixelRect{95, 45, 115, 65}));

    const QImage trimmed = removeMargins(page, 100, 0);
    EXPECT_EQ(firstDifference(trimmed, pageWithBox(10, 10, kBlack, {}, kBlack)), "");
    EXPECT_EQ(removeMargins(page, 100, 5).size(), QSize(20, 20));
}

TEST(MarginBox, KeptMarginClampsToThePicture) {
    const QImage near = pageWithBox(300, 200, kWhite, {2, 3, 12, 13}, kBlack);
    EXPECT_EQ(marginBox(near, 100, 5), (PixelRect{0, 0, 17, 18}));
    const QImage farCorner = pageWithBox(300, 200, kWhite, {295, 196, 300, 200}, kBlack);
    EXPECT_EQ(marginBox(farCorner, 100, 5), (PixelRect{290, 191, 300, 200}));
    EXPECT_EQ(marginBox(farCorner, 100, -7), (PixelRect{295, 196, 300, 200}));
}

TEST(MarginBox, DifferenceOfExactlyTheThresholdIsMargin) {
    // Background grey 200; ink grey 100 (difference 100) and 99 (101).
    const QImage equal =
        pageWithBox(50, 40, qRgb(200, 200, 200), {10, 10, 20, 20}, qRgb(100, 100, 100));
    EXPECT_EQ(marginBox(equal, 100, 0), (PixelRect{0, 0, 50, 40}));
    const QImage beyond =
        pageWithBox(50, 40, qRgb(200, 200, 200), {10, 10, 20, 20}, qRgb(99, 99, 99));
    EXPECT_EQ(marginBox(beyond, 100, 0), (PixelRect{10, 10, 20, 20}));
    // Grey is truncated: (99 + 100 + 100) / 3 = 99 is content, 300 / 3 = 100 is not.
    const QImage truncated =
        pageWithBox(50, 40, qRgb(200, 200, 200), {10, 10, 20, 20}, qRgb(99, 100, 100));
    EXPECT_EQ(marginBox(truncated, 100, 0), (PixelRect{10, 10, 20, 20}));
    // Lighter than the background counts the same way.
    const QImage lighter =
        pageWithBox(50, 40, qRgb(100, 100, 100), {3, 4, 5, 6}, qRgb(201, 201, 201));
    EXPECT_EQ(marginBox(lighter, 100, 0), (PixelRect{3, 4, 5, 6}));
}

TEST(MarginBox, DarkTopLeftMakesTheLightPageContent) {
    // A black scanner border down the left edge, white page beyond it.
    const QImage page = pageWithBox(80, 60, kWhite, {0, 0, 4, 60}, kBlack);
    EXPECT_EQ(marginBox(page, 100, 0), (PixelRect{4, 0, 80, 60}));
}

TEST(MarginBox, ColourIsComparedAsGrey) {
    const QRgb red = qRgb(255, 0, 0);  // grey 85
    EXPECT_EQ(marginBox(pageWithBox(40, 30, kWhite, {5, 6, 7, 8}, red), 100, 0),
              (PixelRect{5, 6, 7, 8}));
    EXPECT_EQ(marginBox(pageWithBox(40, 30, qRgb(120, 120, 120), {5, 6, 7, 8}, red), 100, 0),
              (PixelRect{0, 0, 40, 30}));
}

TEST(MarginBox, AllBackgroundStaysWhole) {
    const QImage blank = pageWithBox(64, 48, kWhite, {}, kWhite);
    EXPECT_EQ(marginBox(blank, 100, 20), (PixelRect{0, 0, 64, 48}));
    const QImage trimmed = removeMargins(blank, 100, 20);
    EXPECT_EQ(firstDifference(trimmed, blank), "");
    // T = 255: nothing is content, whatever the picture.
    EXPECT_EQ(marginBox(testing_support::patternImage(33, 21), 255, 0), (PixelRect{0, 0, 33, 21}));
    EXPECT_EQ(marginBox(QImage(), 100, 0), (PixelRect{}));
}

TEST(MarginBox, RemoveMarginsCopiesTheBoxPixels) {
    QImage picture = testing_support::patternImage(60, 40);
    // Frame the pattern with background of the corner's colour.
    const QRgb corner = picture.pixel(0, 0);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (x < 7 || x >= 50 || y < 5 || y >= 33) {
                picture.setPixel(x, y, corner);
            }
        }
    }
    const PixelRect box = marginBox(picture, 0, 1);
    EXPECT_EQ(box, referenceBox(picture, 0, 1));
    EXPECT_EQ(firstDifference(removeMargins(picture, 0, 1), cropOf(picture, box)), "");
}

// The fast scan must give exactly the box of the four literal scans, on
// sparse and dense content, any threshold and margin.
TEST(MarginBox, EqualsTheLiteralScansOnRandomPictures) {
    std::mt19937 random(20240611);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 400; ++round) {
        const int width = uniform(1, 90);
        const int height = uniform(1, 40);
        const int bg = uniform(0, 255);
        QImage picture(width, height, QImage::Format_RGB888);
        picture.fill(qRgb(bg, bg, bg));
        const int spots = uniform(0, 6) == 0 ? 0 : uniform(1, width * height / 4 + 1);
        for (int i = 0; i < spots; ++i) {
            picture.setPixel(uniform(0, width - 1), uniform(0, height - 1),
                             qRgb(uniform(0, 255), uniform(0, 255), uniform(0, 255)));
        }
        const int threshold = uniform(0, 4) == 0 ? uniform(0, 3) : uniform(0, 260);
        const int keep = uniform(0, 3) == 0 ? 0 : uniform(0, 12);
        ASSERT_EQ(marginBox(picture, threshold, keep), referenceBox(picture, threshold, keep))
            << "round " << round << ": " << width << "x" << height << " T=" << threshold
            << " K=" << keep;
    }
}

}  // namespace
}  // namespace split
