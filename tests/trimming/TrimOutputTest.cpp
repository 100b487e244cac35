#include "trimming/TrimOutput.h"

#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trimming {
namespace {

using testing_support::patternImage;

FrameFields frameOn(int imageWidth, int imageHeight, int left, int top, int width, int height) {
    FrameFields frame;
    frame.ImageWidth = imageWidth;
    frame.ImageHeight = imageHeight;
    frame.FrameLeft = left;
    frame.FrameTop = top;
    frame.FrameWidth = width;
    frame.FrameHeight = height;
    return frame;
}

// True when `cut` equals the region of `source` at (left, top).
::testing::AssertionResult samePixels(const QImage& cut, const QImage& source, int left, int top) {
    for (int y = 0; y < cut.height(); ++y) {
        for (int x = 0; x < cut.width(); ++x) {
            if (cut.pixel(x, y) != source.pixel(left + x, top + y)) {
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") differs";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(TrimOutputSize, FrameInsideKeepsItsSize) {
    EXPECT_EQ(trimOutputSize(frameOn(100, 80, 10, 20, 30, 40)), QSize(30, 40));
}

TEST(TrimOutputSize, FramePastRightAndBottomIsClipped) {
    EXPECT_EQ(trimOutputSize(frameOn(100, 80, 90, 70, 500, 500)), QSize(10, 10));
}

TEST(TrimOutputSize, FrameEndingExactlyAtTheEdge) {
    EXPECT_EQ(trimOutputSize(frameOn(100, 80, 40, 30, 60, 50)), QSize(60, 50));
    EXPECT_EQ(trimOutputSize(frameOn(100, 80, 0, 0, 100, 80)), QSize(100, 80));
}

TEST(TrimOutputSize, HugeFrameDoesNotOverflow) {
    EXPECT_EQ(trimOutputSize(frameOn(100, 80, 99, 79, INT32_MAX, INT32_MAX)), QSize(1, 1));
}

TEST(CutFrame, CopiesThePixelsUnderTheFrame) {
    const QImage picture = patternImage(40, 30);
    const auto cut = cutFrame(picture, frameOn(40, 30, 5, 7, 11, 13));
    ASSERT_TRUE(cut.ok()) << cut.error().message.toStdString();
    EXPECT_EQ(cut->size(), QSize(11, 13));
    EXPECT_TRUE(samePixels(cut.value(), picture, 5, 7));
}

TEST(CutFrame, ClipsToTheDecodedPictureWhenTheFileShrankSinceShown) {
    const QImage picture = patternImage(40, 30);
    // Recorded as 400 x 300, but the file now holds 40 x 30.
    const auto cut = cutFrame(picture, frameOn(400, 300, 30, 20, 100, 100));
    ASSERT_TRUE(cut.ok()) << cut.error().message.toStdString();
    EXPECT_EQ(cut->size(), QSize(10, 10));
    EXPECT_TRUE(samePixels(cut.value(), picture, 30, 20));
}

TEST(CutFrame, RefusesFramesThatCutNothing) {
    const QImage picture = patternImage(40, 30);
    const auto outside = cutFrame(picture, frameOn(400, 300, 40, 0, 10, 10));
    ASSERT_FALSE(outside.ok());
    EXPECT_EQ(outside.error().message, errors::outsideImage().message);
    EXPECT_FALSE(cutFrame(picture, frameOn(40, 30, 0, 30, 10, 10)).ok());
    EXPECT_FALSE(cutFrame(picture, frameOn(40, 30, -1, 0, 10, 10)).ok());
    const auto empty = cutFrame(picture, frameOn(40, 30, 0, 0, 0, 0));
    ASSERT_FALSE(empty.ok());
    EXPECT_FALSE(empty.error().message.isEmpty());
    EXPECT_FALSE(cutFrame(picture, frameOn(40, 30, 3, 3, 5, 0)).ok());
}

TEST(TrimOutputPaths, NamesFollowTheNamingSwitch) {
    const QString folder = QStringLiteral("/scans/book");
    const QString trimming = QDir::toNativeSeparators(QStringLiteral("/scans/book/trimming/"));
    EXPECT_EQ(trimOutputPath(folder, QStringLiteral("p001.jpg"), TrimNaming::Plain),
              trimming + QStringLiteral("p001.bmp"));
    EXPECT_EQ(trimOutputPath(folder, QStringLiteral("a.b.jpg"), TrimNaming::Plain),
              trimming + QStringLiteral("a.b.bmp"));
    EXPECT_EQ(trimOutputPath(folder, QStringLiteral("a.b.jpg"), TrimNaming::First),
              trimming + QStringLiteral("a.b_1.bmp"));
    EXPECT_EQ(trimOutputPath(folder, QStringLiteral("noext"), TrimNaming::Second),
              trimming + QStringLiteral("noext_2.bmp"));
    EXPECT_EQ(copyOutputPath(folder, QStringLiteral("a.b.jpg")),
              trimming + QStringLiteral("a.b.jpg"));
}

class TrimFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString folder() const { return dir_.path(); }
    QString inFolder(const QString& name) const { return dir_.filePath(name); }
    QString inTrimming(const QString& name) const {
        return dir_.filePath(QStringLiteral("trimming/") + name);
    }

private:
    QTemporaryDir dir_;
};

TEST_F(TrimFiles, TrimWritesTheClippedRegionAsBmp) {
    const QImage picture = patternImage(64, 48);
    testing_support::writeBmp(inFolder(QStringLiteral("a.b.bmp")), picture);
    const auto written = trimAndSave(folder(), QStringLiteral("a.b.bmp"),
                                     frameOn(64, 48, 50, 40, 30, 30), TrimNaming::First);
    ASSERT_TRUE(written.ok()) << written.error().message.toStdString();
    EXPECT_EQ(written.value(), inTrimming(QStringLiteral("a.b_1.bmp")));
    const auto output = imaging::loadPicture(written.value());
    ASSERT_TRUE(output.ok()) << output.error().message.toStdString();
    EXPECT_EQ(output->size(), QSize(14, 8));
    EXPECT_TRUE(samePixels(output.value(), picture, 50, 40));
}

TEST_F(TrimFiles, WholeImageFrameGivesTheFullImage) {
    const QImage picture = patternImage(33, 17);
    testing_support::writeBmp(inFolder(QStringLiteral("p.bmp")), picture);
    const auto bytes = trimToBmp(inFolder(QStringLiteral("p.bmp")), frameOn(33, 17, 0, 0, 33, 17));
    ASSERT_TRUE(bytes.ok()) << bytes.error().message.toStdString();
    const auto output = imaging::decodeBmp(bytes.value());
    ASSERT_TRUE(output.ok());
    EXPECT_EQ(output->size(), QSize(33, 17));
    EXPECT_TRUE(samePixels(output.value(), picture, 0, 0));
}

TEST_F(TrimFiles, TrimmingAgainReplacesAndNamingModesKeepSeparateFiles) {
    testing_support::writeBmp(inFolder(QStringLiteral("p.bmp")), patternImage(20, 20));
    const FrameFields small = frameOn(20, 20, 0, 0, 4, 4);
    const FrameFields large = frameOn(20, 20, 0, 0, 8, 8);
    ASSERT_TRUE(trimAndSave(folder(), QStringLiteral("p.bmp"), small, TrimNaming::Plain).ok());
    ASSERT_TRUE(trimAndSave(folder(), QStringLiteral("p.bmp"), large, TrimNaming::Plain).ok());
    ASSERT_TRUE(trimAndSave(folder(), QStringLiteral("p.bmp"), small, TrimNaming::Second).ok());
    EXPECT_EQ(imaging::readPictureSize(inTrimming(QStringLiteral("p.bmp"))).value(), QSize(8, 8));
    EXPECT_EQ(imaging::readPictureSize(inTrimming(QStringLiteral("p_2.bmp"))).value(), QSize(4, 4));
    EXPECT_EQ(QDir(inFolder(QStringLiteral("trimming"))).entryList(QDir::Files).size(), 2);
    // The source itself is untouched.
    EXPECT_EQ(imaging::readPictureSize(inFolder(QStringLiteral("p.bmp"))).value(), QSize(20, 20));
}

TEST_F(TrimFiles, RefusedTrimWritesNothing) {
    testing_support::writeBmp(inFolder(QStringLiteral("p.bmp")), patternImage(20, 20));
    EXPECT_FALSE(trimAndSave(folder(), QStringLiteral("p.bmp"), frameOn(20, 20, 0, 0, 0, 5),
                             TrimNaming::Plain)
                     .ok());
    EXPECT_FALSE(trimAndSave(folder(), QStringLiteral("p.bmp"), frameOn(20, 20, 25, 0, 5, 5),
                             TrimNaming::Plain)
                     .ok());
    EXPECT_FALSE(QFileInfo::exists(inTrimming(QStringLiteral("p.bmp"))));
}

TEST_F(TrimFiles, VanishedOrBrokenSourceIsAnError) {
    const auto missing = trimAndSave(folder(), QStringLiteral("gone.jpg"),
                                     frameOn(20, 20, 0, 0, 5, 5), TrimNaming::Plain);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().message, QStringLiteral("ファイルが見当たりません"));

    testing_support::writeBytes(inFolder(QStringLiteral("bad.jpg")), QByteArray("not a jpeg"));
    const auto broken = trimAndSave(folder(), QStringLiteral("bad.jpg"),
                                    frameOn(20, 20, 0, 0, 5, 5), TrimNaming::Plain);
    ASSERT_FALSE(broken.ok());
    EXPECT_FALSE(broken.error().message.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(inTrimming(QStringLiteral("bad.bmp"))));
}

TEST_F(TrimFiles, ExistingTrimmingFolderKeepsItsOtherFiles) {
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("trimming")));
    testing_support::writeBytes(inTrimming(QStringLiteral("keep.txt")), QByteArray("x"));
    testing_support::writeBmp(inFolder(QStringLiteral("p.bmp")), patternImage(8, 8));
    ASSERT_TRUE(
        trimAndSave(folder(), QStringLiteral("p.bmp"), frameOn(8, 8, 0, 0, 8, 8), TrimNaming::Plain)
            .ok());
    EXPECT_EQ(testing_support::readBytes(inTrimming(QStringLiteral("keep.txt"))), QByteArray("x"));
}

TEST_F(TrimFiles, TrimmingPathThatIsAFileIsAnError) {
    testing_support::writeBytes(inFolder(QStringLiteral("trimming")), QByteArray("file"));
    testing_support::writeBmp(inFolder(QStringLiteral("p.bmp")), patternImage(8, 8));
    EXPECT_FALSE(
        trimAndSave(folder(), QStringLiteral("p.bmp"), frameOn(8, 8, 0, 0, 8, 8), TrimNaming::Plain)
            .ok());
    EXPECT_FALSE(copyToTrimmingFolder(folder(), QStringLiteral("p.bmp")).ok());
}

TEST_F(TrimFiles, TrimmingLinkBackToTheFolderIsRefused) {
    ASSERT_TRUE(QFile::link(folder(), inFolder(QStringLiteral("trimming"))));
    const QImage picture = patternImage(8, 8);
    testing_support::writeBmp(inFolder(QStringLiteral("p.bmp")), picture);
    EXPECT_FALSE(
        trimAndSave(folder(), QStringLiteral("p.bmp"), frameOn(8, 8, 0, 0, 2, 2), TrimNaming::Plain)
            .ok());
    EXPECT_EQ(imaging::readPictureSize(inFolder(QStringLiteral("p.bmp"))).value(), QSize(8, 8));
}

TEST_F(TrimFiles, CopyKeepsNameAndBytesAndReplacesAnEarlierCopy) {
    testing_support::writeBytes(inFolder(QStringLiteral("a.b.jpg")), QByteArray("first"));
    ASSERT_TRUE(copyToTrimmingFolder(folder(), QStringLiteral("a.b.jpg")).ok());
    testing_support::writeBytes(inFolder(QStringLiteral("a.b.jpg")), QByteArray("second"));
    const auto copied = copyToTrimmingFolder(folder(), QStringLiteral("a.b.jpg"));
    ASSERT_TRUE(copied.ok()) << copied.error().message.toStdString();
    EXPECT_EQ(copied.value(), inTrimming(QStringLiteral("a.b.jpg")));
    EXPECT_EQ(testing_support::readBytes(copied.value()), QByteArray("second"));
}

TEST_F(TrimFiles, CopyOfAMissingSourceIsAnError) {
    const auto copied = copyToTrimmingFolder(folder(), QStringLiteral("gone.jpg"));
    ASSERT_FALSE(copied.ok());
    EXPECT_EQ(copied.error().message, QStringLiteral("ファイルが見当たりません"));
}

}  // namespace
}  // namespace trimming
