#include "catalogue/ThumbnailLoader.h"

#include "catalogue/ThumbnailGeometry.h"
#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using catalogue::buildThumbnail;
using catalogue::loadThumbnail;
using testing_support::patternImage;

constexpr QRgb kBackground = qRgb(240, 240, 240);

// loadThumbnail must give what a full decode and buildThumbnail give.
void expectSameAsFullDecode(const QString& path, int side, bool slowReading) {
    SCOPED_TRACE(path.toStdString() + " side " + std::to_string(side) +
                 (slowReading ? " slow" : ""));
    const auto picture = imaging::loadPicture(path);
    ASSERT_TRUE(picture.ok()) << picture.error().message.toStdString();
    const QImage expected = buildThumbnail(*picture, side, slowReading, kBackground);
    const auto thumbnail = loadThumbnail(path, side, slowReading, kBackground);
    ASSERT_TRUE(thumbnail.ok()) << thumbnail.error().message.toStdString();
    EXPECT_EQ(thumbnail->size(), QSize(side, side));
    EXPECT_EQ(thumbnail->format(), QImage::Format_RGB888);
    EXPECT_TRUE(*thumbnail == expected);
}

class ThumbnailLoader : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString jpeg(const QString& name, int width, int height) {
        const QString path = dir_.filePath(name);
        testing_support::writeJpeg(path, patternImage(width, height), 90);
        return path;
    }
    QString bmp(const QString& name, int width, int height) {
        const QString path = dir_.filePath(name);
        testing_support::writeBmp(path, patternImage(width, height));
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(ThumbnailLoader, JpegThumbnailsMatchAFullDecode) {
    for (const QString& path : {jpeg("landscape.jpg", 1000, 700), jpeg("portrait.JPG", 700, 1000),
                                jpeg("odd.jpg", 1237, 331), jpeg("square.jpg", 513, 513)}) {
        for (const int side : {20, 80, 150}) {
            expectSameAsFullDecode(path, side, false);
            expectSameAsFullDecode(path, side, true);
        }
    }
}

TEST_F(ThumbnailLoader, SlowReadingComposesBothStretches) {
    // 1283 x 1291 is reduced to 320 x 322 first, then scaled to 80: every
    // thumbnail row goes through two row mappings that do not divide evenly.
    expectSameAsFullDecode(jpeg("reduced.jpg", 1283, 1291), 80, true);
    expectSameAsFullDecode(jpeg("tall.jpg", 330, 2999), 80, true);
}

TEST_F(ThumbnailLoader, SmallAndThinJpegsAndBmps) {
    expectSameAsFullDecode(jpeg("small.jpg", 50, 30), 80, false);
    expectSameAsFullDecode(jpeg("exact.jpg", 80, 80), 80, true);
    expectSameAsFullDecode(jpeg("sliver.jpg", 3000, 10), 80, false);
    expectSameAsFullDecode(bmp("scan.bmp", 900, 600), 80, false);
    expectSameAsFullDecode(bmp("scan.bmp", 900, 600), 80, true);
    expectSameAsFullDecode(bmp("small.BMP", 17, 60), 80, false);
}

TEST_F(ThumbnailLoader, UnreadableFilesGiveAnErrorLikeAFullDecode) {
    const QByteArray good = testing_support::readBytes(jpeg("good.jpg", 800, 600));
    testing_support::writeBytes(dir_.filePath("truncated.jpg"), good.left(good.size() / 2));
    testing_support::writeBytes(dir_.filePath("header.jpg"), good.left(600));
    testing_support::writeBytes(dir_.filePath("garbage.jpg"), QByteArray(5000, 'x'));
    testing_support::writeBytes(dir_.filePath("empty.jpg"), QByteArray());
    testing_support::writeBytes(dir_.filePath("bmpdata.jpg"),
                                testing_support::readBytes(bmp("real.bmp", 400, 400)));
    testing_support::writeBytes(dir_.filePath("garbage.bmp"), QByteArray(5000, 'x'));
    for (const char* name : {"truncated.jpg", "header.jpg", "garbage.jpg", "empty.jpg",
                             "bmpdata.jpg", "garbage.bmp", "missing.jpg"}) {
        const QString path = dir_.filePath(name);
        for (const bool slowReading : {false, true}) {
            EXPECT_EQ(loadThumbnail(path, 80, slowReading, kBackground).ok(),
                      imaging::loadPicture(path).ok())
                << name;
        }
        EXPECT_FALSE(loadThumbnail(path, 80, false, kBackground).ok()) << name;
    }
}

TEST_F(ThumbnailLoader, WorksOnSeveralThreadsAtOnce) {
    const QString path = jpeg("shared.jpg", 1200, 900);
    const auto picture = imaging::loadPicture(path);
    ASSERT_TRUE(picture.ok());
    const QImage expected = buildThumbnail(*picture, 80, true, kBackground);
    std::vector<QImage> results(4);
    {
        std::vector<std::jthread> workers;
        for (auto& result : results) {
            workers.emplace_back([&path, &result] {
                for (int round = 0; round < 5; ++round) {
                    const auto thumbnail = loadThumbnail(path, 80, true, kBackground);
                    result = thumbnail.ok() ? *thumbnail : QImage();
                }
            });
        }
    }
    for (const QImage& result : results) {
        EXPECT_TRUE(result == expected);
    }
}

}  // namespace
