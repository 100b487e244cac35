#include "imaging/Stretch.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using imaging::copyRect;
using imaging::filledImage;
using imaging::PixelRect;
using imaging::stretchCopy;
using testing_support::patternImage;

namespace {

constexpr QRgb kBackground = 0xff0a0b0c;

// The rule written out pixel by pixel, independent of the optimised copy.
QImage referenceStretch(const QImage& source, const PixelRect& from, QImage target,
                        const PixelRect& to) {
    if (from.width() <= 0 || from.height() <= 0 || to.width() <= 0 || to.height() <= 0) {
        return target;
    }
    for (int ty = to.top; ty < to.bottom; ++ty) {
        for (int tx = to.left; tx < to.right; ++tx) {
            const qint64 sx = from.left + (qint64(tx - to.left) * from.width()) / to.width();
            const qint64 sy = from.top + (qint64(ty - to.top) * from.height()) / to.height();
            if (tx < 0 || ty < 0 || tx >= target.width() || ty >= target.height() || sx < 0 ||
                sy < 0 || sx >= source.width() || sy >= source.height()) {
                continue;
            }
            std::memcpy(target.scanLine(ty) + 3 * tx, source.constScanLine(int(sy)) + 3 * sx, 3);
        }
    }
    return target;
}

QImage stretched(const QImage& source, const PixelRect& from, QSize targetSize,
                 const PixelRect& to) {
    QImage target = filledImage(targetSize.width(), targetSize.height(), kBackground);
    stretchCopy(source, from, target, to);
    return target;
}

QRgb pixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}

}  // namespace

TEST(StretchCopy, EqualSizesCopyOneToOne) {
    const QImage source = patternImage(30, 20);
    const QImage target = stretched(source, {5, 4, 25, 14}, {40, 40}, {10, 12, 30, 22});
    EXPECT_EQ(target.copy(10, 12, 20, 10), copyRect(source, {5, 4, 25, 14}));
    EXPECT_EQ(pixelAt(target, 9, 12), kBackground);
    EXPECT_EQ(pixelAt(target, 30, 21), kBackground);
}

TEST(StretchCopy, OneColumnNarrowerDropsTheLastSourceColumn) {
    const QImage source = patternImage(491, 3);
    const QImage target = stretched(source, {0, 0, 491, 3}, {490, 3}, {0, 0, 490, 3});
    EXPECT_EQ(target, copyRect(source, {0, 0, 490, 3}));
}

TEST(StretchCopy, UpscalingRepeatsPixelsWithoutSmoothing) {
    const QImage source = patternImage(2, 2);
    const QImage target = stretched(source, {0, 0, 2, 2}, {5, 3}, {0, 0, 5, 3});
    // Columns 0, 0, 0, 1, 1 and rows 0, 0, 1 of the source.
    const int columns[] = {0, 0, 0, 1, 1};
    const int rows[] = {0, 0, 1};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(pixelAt(target, x, y), pixelAt(source, columns[x], rows[y])) << x << "," << y;
        }
    }
}

TEST(StretchCopy, ClipsToBothPicturesAndIgnoresEmptyRectangles) {
    const QImage source = patternImage(10, 10);
    // Target rectangle hanging over every edge of the target.
    const PixelRect from{0, 0, 10, 10};
    const PixelRect over{-7, -3, 23, 17};
    EXPECT_EQ(stretched(source, from, {16, 12}, over),
              referenceStretch(source, from, filledImage(16, 12, kBackground), over));
    // Source rectangle reaching outside the source: those targets stay as they were.
    const PixelRect outside{-5, 5, 15, 15};
    const QImage partly = stretched(source, outside, {20, 10}, {0, 0, 20, 10});
    EXPECT_EQ(pixelAt(partly, 0, 0), kBackground);
    EXPECT_EQ(pixelAt(partly, 10, 0), pixelAt(source, 5, 5));
    EXPECT_EQ(pixelAt(partly, 19, 9), kBackground);
    EXPECT_EQ(partly,
              referenceStretch(source, outside, filledImage(20, 10, kBackground), {0, 0, 20, 10}));
    // Empty or inverted rectangles copy nothing.
    const QImage untouched = filledImage(8, 8, kBackground);
    EXPECT_EQ(stretched(source, {3, 3, 3, 9}, {8, 8}, {0, 0, 8, 8}), untouched);
    EXPECT_EQ(stretched(source, {0, 0, 10, 10}, {8, 8}, {5, 5, 2, 8}), untouched);
}

TEST(StretchCopy, MatchesTheRuleForManyRectangles) {
    const QImage source = patternImage(37, 29);
    std::srand(3);
    const auto coordinate = [](int range) { return std::rand() % (range + 20) - 10; };
    for (int round = 0; round < 400; ++round) {
        const PixelRect from{coordinate(37), coordinate(29), coordinate(37), coordinate(29)};
        const PixelRect to{coordinate(25), coordinate(21), coordinate(25), coordinate(21)};
        SCOPED_TRACE(testing::Message() << "from " << from.left << "," << from.top << ","
                                        << from.right << "," << from.bottom << " to " << to.left
                                        << "," << to.top << "," << to.right << "," << to.bottom);
        ASSERT_EQ(stretched(source, from, {25, 21}, to),
                  referenceStretch(source, from, filledImage(25, 21, kBackground), to));
    }
}

TEST(StretchCopy, ConvertsPicturesInOtherFormats) {
    const QImage source = patternImage(6, 6);
    QImage target(6, 6, QImage::Format_RGB32);
    target.fill(Qt::black);
    stretchCopy(source.convertToFormat(QImage::Format_ARGB32), {0, 0, 6, 6}, target, {0, 0, 6, 6});
    EXPECT_EQ(target.format(), QImage::Format_RGB888);
    EXPECT_EQ(target, source);
}

TEST(FilledImage, HasTheSizeAndColourAsked) {
    const QImage image = filledImage(3, 2, qRgb(200, 100, 50));
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixel(2, 1), qRgb(200, 100, 50));
    EXPECT_TRUE(filledImage(0, 5, kBackground).isNull());
    EXPECT_TRUE(filledImage(5, -1, kBackground).isNull());
}

TEST(CopyRect, CopiesTheClippedRectangle) {
    const QImage source = patternImage(10, 8);
    const QImage inside = copyRect(source, {2, 3, 7, 5});
    ASSERT_EQ(inside.size(), QSize(5, 2));
    EXPECT_EQ(inside.pixel(0, 0), source.pixel(2, 3));
    EXPECT_EQ(inside.pixel(4, 1), source.pixel(6, 4));
    const QImage clipped = copyRect(source, {-3, 6, 4, 20});
    ASSERT_EQ(clipped.size(), QSize(4, 2));
    EXPECT_EQ(clipped.pixel(0, 0), source.pixel(0, 6));
    EXPECT_TRUE(copyRect(source, {20, 0, 30, 8}).isNull());
    EXPECT_TRUE(copyRect(source, {5, 5, 5, 6}).isNull());
}
