#include "imaging/PictureIo.h"
#include "tests/imaging/JpegSamples.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <chrono>
#include <future>
#include <string>
#include <vector>

using imaging::loadPicture;
using imaging::PictureKind;
using imaging::pictureKindOf;
using imaging::readPictureSize;
using testing_support::patternImage;
using testing_support::writeBytes;

namespace {

class PictureFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    std::string loadError(const QString& name) const {
        const auto result = loadPicture(path(name));
        return result.ok() ? std::string("(no error)") : result.error().message.toStdString();
    }

    std::string sizeError(const QString& name) const {
        const auto result = readPictureSize(path(name));
        return result.ok() ? std::string("(no error)") : result.error().message.toStdString();
    }

    QTemporaryDir folder_;
};

}  // namespace

TEST(PictureKind, FollowsTheExtensionInAnyCase) {
    EXPECT_EQ(pictureKindOf("a.jpg"), PictureKind::Jpeg);
    EXPECT_EQ(pictureKindOf("/x/SCAN.JPG"), PictureKind::Jpeg);
    EXPECT_EQ(pictureKindOf("b.Bmp"), PictureKind::Bmp);
    EXPECT_EQ(pictureKindOf("c.jpeg"), PictureKind::Unknown);
    EXPECT_EQ(pictureKindOf("d.jpg.txt"), PictureKind::Unknown);
    EXPECT_EQ(pictureKindOf("jpg"), PictureKind::Unknown);
    EXPECT_EQ(pictureKindOf("/dir.jpg/file"), PictureKind::Unknown);
}

TEST(PictureLimits, AllowPicturesUpToTheSideAndPixelLimits) {
    EXPECT_TRUE(imaging::checkPictureSize(1, 1).ok());
    EXPECT_TRUE(imaging::checkPictureSize(65500, 6000).ok());
    EXPECT_TRUE(imaging::checkPictureSize(20000, 20000).ok());  // exactly 400 million
    EXPECT_FALSE(imaging::checkPictureSize(65501, 1).ok());
    EXPECT_FALSE(imaging::checkPictureSize(1, 65501).ok());
    EXPECT_FALSE(imaging::checkPictureSize(20000, 20001).ok());
    EXPECT_FALSE(imaging::checkPictureSize(0, 5).ok());
    EXPECT_FALSE(imaging::checkPictureSize(5, -1).ok());
    const auto huge = imaging::checkPictureSize(4'000'000'000LL, 4'000'000'000LL);
    ASSERT_FALSE(huge.ok());
    EXPECT_EQ(huge.error().message.toStdString(), "画像が大きすぎます (4000000000x4000000000)");
}

TEST_F(PictureFiles, LoadsJpegAndBmpByExtension) {
    const QImage picture = patternImage(21, 13);
    testing_support::writeBmp(path("page.BMP"), picture);
    testing_support::writeJpeg(path("page.Jpg"), picture, 95);
    const auto bmp = loadPicture(path("page.BMP"));
    ASSERT_TRUE(bmp.ok()) << bmp.error().message.toStdString();
    EXPECT_EQ(bmp.value(), picture);
    const auto jpeg = loadPicture(path("page.Jpg"));
    ASSERT_TRUE(jpeg.ok()) << jpeg.error().message.toStdString();
    EXPECT_EQ(jpeg.value().size(), picture.size());
    EXPECT_EQ(readPictureSize(path("page.BMP")).value(), QSize(21, 13));
    EXPECT_EQ(readPictureSize(path("page.Jpg")).value(), QSize(21, 13));
}

TEST_F(PictureFiles, ExplainsWhyAFileCannotBeRead) {
    EXPECT_EQ(loadError("absent.jpg"), "ファイルが見当たりません");
    EXPECT_EQ(sizeError("absent.bmp"), "ファイルが見当たりません");
    writeBytes(path("notes.txt"), "text");
    EXPECT_EQ(loadError("notes.txt"), "対応していない形式です");
    EXPECT_EQ(sizeError("notes.txt"), "対応していない形式です");
    writeBytes(path("empty.jpg"), {});
    writeBytes(path("empty.bmp"), {});
    EXPECT_EQ(loadError("empty.jpg"), "ファイルが空です");
    EXPECT_EQ(loadError("empty.bmp"), "ファイルが空です");
    EXPECT_EQ(sizeError("empty.jpg"), "ファイルが空です");
    EXPECT_EQ(sizeError("empty.bmp"), "ファイルが空です");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.jpg"));
    EXPECT_EQ(loadError("folder.jpg"), "ファイルを開けません");
    EXPECT_NE(sizeError("folder.jpg"), "(no error)");
}

TEST_F(PictureFiles, AFifoIsRefusedWithoutWaitingForAWriter) {
    const QByteArray fifo = QFile::encodeName(path("pipe.jpg"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("pipe.jpg"), path("link.bmp")));
    auto errors = std::async(std::launch::async, [&] {
        return std::vector<std::string>{loadError("pipe.jpg"), sizeError("pipe.jpg"),
                                        loadError("link.bmp"), sizeError("link.bmp")};
    });
    if (errors.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a FIFO waits for a writer";
        // A writer that comes and goes lets each blocked read end.
        while (errors.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
        }
    }
    EXPECT_EQ(errors.get(), std::vector<std::string>(4, "通常のファイルではありません"));
}

TEST_F(PictureFiles, RefusesContentThatDoesNotMatchTheExtension) {
    testing_support::writeBmp(path("bmp-inside.jpg"), patternImage(4, 4));
    testing_support::writeJpeg(path("jpeg-inside.bmp"), patternImage(4, 4));
    EXPECT_EQ(loadError("bmp-inside.jpg"), "JPEGファイルではありません");
    EXPECT_NE(loadError("jpeg-inside.bmp"), "(no error)");
    EXPECT_NE(sizeError("bmp-inside.jpg"), "(no error)");
    EXPECT_NE(sizeError("jpeg-inside.bmp"), "(no error)");
}

TEST_F(PictureFiles, SizeNeedsOnlyAnIntactHeader) {
    const QByteArray jpeg = imaging::encodeJpeg(patternImage(640, 480), 90).value();
    writeBytes(path("cut.jpg"), jpeg.left(jpeg.size() / 3));
    EXPECT_EQ(readPictureSize(path("cut.jpg")).value(), QSize(640, 480));
    EXPECT_EQ(loadError("cut.jpg"), "JPEGファイルが途中で切れています");
    writeBytes(path("forged.jpg"), jpeg_samples::withDeclaredSize(jpeg, 65000, 65000));
    EXPECT_EQ(sizeError("forged.jpg"), "画像が大きすぎます (65000x65000)");
}

TEST_F(PictureFiles, RefusesFilesLongerThanAnyPictureNeedsBeforeReadingThem) {
    // A small picture followed by a hole: read whole, the file would take
    // gigabytes of memory before its picture is even looked at.
    const QImage picture = patternImage(8, 8);
    testing_support::writeBmp(path("long.bmp"), picture);
    testing_support::writeJpeg(path("long.jpg"), picture);
    QFile bmp(path("long.bmp"));
    QFile jpeg(path("long.jpg"));
    ASSERT_TRUE(bmp.resize(imaging::kMaxBmpFileBytes + 1));
    ASSERT_TRUE(jpeg.resize(imaging::kMaxJpegFileBytes + 1));
    EXPECT_EQ(loadError("long.bmp"), "ファイルが大きすぎます");
    EXPECT_EQ(loadError("long.jpg"), "ファイルが大きすぎます");
}
