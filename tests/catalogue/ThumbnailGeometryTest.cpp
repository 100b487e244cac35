#include "catalogue/ThumbnailGeometry.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

namespace {

using catalogue::buildThumbnail;
using catalogue::planThumbnail;

constexpr QRgb kBackground = qRgb(10, 20, 30);

// A picture whose every pixel names its own coordinates (x and y below
// 4096): red = low byte of x, green = low byte of y, blue = their high
// nibbles. None of the pictures used here is high enough (3584 rows) to
// contain the background colour.
QImage coordinatePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uchar>(x & 0xFF);
            row[3 * x + 1] = static_cast<uchar>(y & 0xFF);
            row[3 * x + 2] = static_cast<uchar>(((x >> 8) << 4) | (y >> 8));
        }
    }
    return picture;
}

QPoint sourceOf(const QImage& thumbnail, int x, int y) {
    const QRgb pixel = thumbnail.pixel(x, y);
    return {qRed(pixel) | ((qBlue(pixel) >> 4) << 8), qGreen(pixel) | ((qBlue(pixel) & 15) << 8)};
}

QImage solidPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(QColor(200, 100, 50));
    return picture;
}

// The rectangle of pixels that differ from the background, after checking
// that every pixel inside it differs and every pixel outside does not.
QRect drawnRect(const QImage& thumbnail) {
    QRect drawn;
    for (int y = 0; y < thumbnail.height(); ++y) {
        for (int x = 0; x < thumbnail.width(); ++x) {
            if (thumbnail.pixel(x, y) != kBackground) {
                drawn |= QRect(x, y, 1, 1);
            }
        }
    }
    for (int y = 0; y < thumbnail.height(); ++y) {
        for (int x = 0; x < thumbnail.width(); ++x) {
            EXPECT_EQ(drawn.contains(x, y), thumbnail.pixel(x, y) != kBackground)
                << "pixel " << x << "," << y;
        }
    }
    return drawn;
}

QRect drawnRectOf(int width, int height, bool slowReading = false) {
    const QImage thumbnail =
        buildThumbnail(solidPicture(width, height), 80, slowReading, kBackground);
    EXPECT_EQ(thumbnail.size(), QSize(80, 80));
    EXPECT_EQ(thumbnail.format(), QImage::Format_RGB888);
    return drawnRect(thumbnail);
}

TEST(ThumbnailGeometry, LargePicturesAreScaledToFitAndCentred) {
    EXPECT_EQ(drawnRectOf(3000, 2000), QRect(0, 13, 80, 53));
    EXPECT_EQ(drawnRectOf(2000, 3000), QRect(13, 0, 53, 80));
    EXPECT_EQ(drawnRectOf(4000, 4000), QRect(0, 0, 80, 80));
    // One pixel wider than the thumbnail is enough to scale.
    EXPECT_EQ(drawnRectOf(81, 10), QRect(0, 35, 80, 9));
    EXPECT_EQ(drawnRectOf(10, 81), QRect(35, 0, 9, 80));
}

TEST(ThumbnailGeometry, SmallPicturesAreDrawnUnscaledAndCentred) {
    EXPECT_EQ(drawnRectOf(80, 80), QRect(0, 0, 80, 80));
    EXPECT_EQ(drawnRectOf(50, 30), QRect(15, 25, 50, 30));
    EXPECT_EQ(drawnRectOf(1, 1), QRect(39, 39, 1, 1));
    EXPECT_EQ(drawnRectOf(79, 80), QRect(0, 0, 79, 80));

    const QImage picture = coordinatePicture(50, 30);
    const QImage thumbnail = buildThumbnail(picture, 80, false, kBackground);
    for (const QPoint at : {QPoint(0, 0), QPoint(49, 29), QPoint(17, 11)}) {
        EXPECT_EQ(thumbnail.pixel(at + QPoint(15, 25)), picture.pixel(at));
    }
}

TEST(ThumbnailGeometry, ScaledPixelsAreSampledNotBlended) {
    const QImage thumbnail = buildThumbnail(coordinatePicture(3000, 2000), 80, false, kBackground);
    EXPECT_EQ(sourceOf(thumbnail, 0, 13), QPoint(0, 0));
    EXPECT_EQ(sourceOf(thumbnail, 79, 65), QPoint(2962, 1962));
    // Every drawn pixel is one exact source pixel, the columns evenly spread.
    for (int x = 0; x < 80; ++x) {
        EXPECT_EQ(sourceOf(thumbnail, x, 40).x(), x * 3000 / 80) << x;
    }
}

TEST(ThumbnailGeometry, SlowReadingFirstReducesHugePicturesToAQuarter) {
    const QImage picture = coordinatePicture(400, 400);
    const QImage slow = buildThumbnail(picture, 80, true, kBackground);
    const QImage direct = buildThumbnail(picture, 80, false, kBackground);
    // 400 -> 100 -> 80 samples columns 0, 4, 8, 12, 20 ...; 400 -> 80
    // samples every fifth.
    EXPECT_EQ(sourceOf(slow, 1, 1), QPoint(4, 4));
    EXPECT_EQ(sourceOf(slow, 3, 2), QPoint(12, 8));
    EXPECT_EQ(sourceOf(slow, 79, 79), QPoint(392, 392));
    EXPECT_EQ(sourceOf(direct, 1, 1), QPoint(5, 5));
    EXPECT_EQ(sourceOf(direct, 79, 79), QPoint(395, 395));
    EXPECT_EQ(drawnRect(slow), QRect(0, 0, 80, 80));
    ASSERT_TRUE(planThumbnail({400, 400}, 80, true).reducedSize.has_value());
    EXPECT_EQ(*planThumbnail({400, 400}, 80, true).reducedSize, QSize(100, 100));
}

TEST(ThumbnailGeometry, SlowReadingNeedsBothSidesAboveFourTimesTheThumbnail) {
    EXPECT_FALSE(planThumbnail({400, 300}, 80, true).reducedSize.has_value());
    EXPECT_FALSE(planThumbnail({400, 320}, 80, true).reducedSize.has_value());
    EXPECT_FALSE(planThumbnail({321, 5000}, 80, false).reducedSize.has_value());
    EXPECT_EQ(planThumbnail({321, 5000}, 80, true).reducedSize, QSize(80, 1250));
    const QImage picture = coordinatePicture(400, 300);
    EXPECT_EQ(buildThumbnail(picture, 80, true, kBackground),
              buildThumbnail(picture, 80, false, kBackground));
    // The reduced size is what gets scaled: 1001 x 500 -> 250 x 125 ->
    // 80 x trunc(125 / 250 * 80) = 40.
    EXPECT_EQ(planThumbnail({1001, 500}, 80, true).target, (imaging::PixelRect{0, 20, 80, 60}));
    EXPECT_EQ(planThumbnail({1001, 500}, 80, false).target, (imaging::PixelRect{0, 20, 80, 59}));
}

TEST(ThumbnailGeometry, ScaledSizesTruncateTheQuotientTimesTheSide) {
    // trunc((H / W) * S), never rounded: 119 / 120 * 80 = 79.3.
    EXPECT_EQ(planThumbnail({120, 119}, 80, false).target, (imaging::PixelRect{0, 0, 80, 79}));
    EXPECT_EQ(planThumbnail({1000, 700}, 100, false).target, (imaging::PixelRect{0, 15, 100, 85}));
    // A sliver too thin to show leaves the thumbnail empty.
    EXPECT_EQ(planThumbnail({10000, 1}, 80, false).target.height(), 0);
    EXPECT_EQ(drawnRectOf(10000, 1), QRect());
}

TEST(ThumbnailGeometry, OtherPixelFormatsAndBadInput) {
    QImage argb(160, 100, QImage::Format_ARGB32);
    argb.fill(qRgb(200, 100, 50));
    const QImage thumbnail = buildThumbnail(argb, 80, false, kBackground);
    EXPECT_EQ(thumbnail.format(), QImage::Format_RGB888);
    EXPECT_EQ(drawnRect(thumbnail), QRect(0, 15, 80, 50));
    EXPECT_TRUE(buildThumbnail(QImage(), 80, false, kBackground).isNull());
    EXPECT_TRUE(buildThumbnail(solidPicture(10, 10), 0, false, kBackground).isNull());
    EXPECT_EQ(planThumbnail({0, 10}, 80, false).target.width(), 0);
}

}  // namespace
