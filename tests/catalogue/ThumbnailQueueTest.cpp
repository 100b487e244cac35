#include "catalogue/ThumbnailQueue.h"

#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/UnreadableThumbnail.h"
#include "imaging/PictureIo.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

using catalogue::ThumbnailQueue;
using testing_support::patternImage;

constexpr QRgb kBackground = qRgb(250, 250, 250);

class Queue : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (int n = 0; n < 6; ++n) {
            names_.push_back(QStringLiteral("p%1.bmp").arg(n));
            testing_support::writeBmp(path(n), patternImage(100 + 10 * n, 60 + n));
        }
    }
    QString path(int n) const { return QDir(dir_.path()).filePath(names_.at(n)); }
    QImage expected(int n, bool slowReading = false) const {
        const auto picture = imaging::loadPicture(path(n));
        return catalogue::buildThumbnail(*picture, 40, slowReading, kBackground);
    }

    QTemporaryDir dir_;
    QStringList names_;
};

TEST_F(Queue, ReadsAheadAndHandsOutEachEntryInOrder) {
    ThumbnailQueue queue(nullptr);
    queue.start(dir_.path(), names_, 40, kBackground);
    EXPECT_EQ(queue.count(), 6);
    EXPECT_EQ(queue.name(2), "p2.bmp");
    EXPECT_EQ(queue.path(2), path(2));
    queue.readAhead(0, false);
    // Entries 0 to 2 are being read, entry 3 is not.
    ASSERT_TRUE(QTest::qWaitFor([&] { return queue.ready(0) && queue.ready(2); }));
    EXPECT_FALSE(queue.ready(3));
    for (int n = 0; n < 6; ++n) {
        queue.readAhead(n, false);
        const core::Expected<QImage> read = queue.take(n, false);
        ASSERT_TRUE(read.ok()) << n;
        EXPECT_TRUE(*read == expected(n)) << n;
        EXPECT_FALSE(queue.ready(n));
    }
    queue.readAhead(6, false);  // past the end: nothing
    EXPECT_FALSE(queue.ready(6));
}

TEST_F(Queue, AnEntryNotReadAheadIsReadWhenTaken) {
    ThumbnailQueue queue(nullptr);
    queue.start(dir_.path(), names_, 40, kBackground);
    const core::Expected<QImage> read = queue.take(4, false);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(*read == expected(4));
}

TEST_F(Queue, ABadFileGivesItsErrorAndTheRestStillRead) {
    testing_support::writeBytes(path(1), "BM broken");
    ThumbnailQueue queue(nullptr);
    queue.start(dir_.path(), names_, 40, kBackground);
    queue.readAhead(0, false);
    EXPECT_TRUE(queue.take(0, false).ok());
    const core::Expected<QImage> bad = queue.take(1, false);
    ASSERT_FALSE(bad.ok());
    EXPECT_FALSE(bad.error().message.isEmpty());
    EXPECT_TRUE(queue.take(2, false).ok());
}

TEST_F(Queue, ANewStartDropsWhatWasReadAheadForTheOldOne) {
    ThumbnailQueue queue(nullptr);
    queue.start(dir_.path(), names_, 40, kBackground);
    queue.readAhead(0, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return queue.ready(0); }));
    // Same entry numbers, other files and size: nothing of the old run shows.
    QStringList reversed(names_.rbegin(), names_.rend());
    queue.start(dir_.path(), reversed, 40, kBackground);
    EXPECT_FALSE(queue.ready(0));
    EXPECT_TRUE(queue.take(0, false).value() == expected(5));
    queue.stop();
    EXPECT_EQ(queue.count(), 0);
    EXPECT_FALSE(queue.ready(1));
}

TEST_F(Queue, RunningOutOfMemoryOnAReaderIsAnErrorOfThatFileAlone) {
    if (!testing_support::canCapAddressSpace()) {
        GTEST_SKIP() << "a sanitizer holds the address space";
    }
    // A scan of 20000 x 16000 pixels: 960 MB to read, more than is left.
    testing_support::writeSparseBmp(path(1), 20000, 16000);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (!testing_support::capAddressSpace(256 << 20)) {
                std::exit(2);
            }
            ThumbnailQueue queue(nullptr);
            queue.start(dir_.path(), names_, 40, kBackground);
            queue.readAhead(0, false);  // entry 1 is read on a worker
            const bool firstRead = queue.take(0, false).ok();
            const core::Expected<QImage> huge = queue.take(1, false);
            const bool nextRead = queue.take(2, false).ok();
            const QString error = huge ? QString() : huge.error().message;
            std::fprintf(stderr, "%s\n", qPrintable(error));
            std::exit(firstRead && error == "メモリが足りません" && nextRead ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(UnreadableThumbnail, IsAGreySquareCrossedOnTheBackground) {
    const QImage placeholder = catalogue::unreadableThumbnail(80, kBackground);
    ASSERT_EQ(placeholder.size(), QSize(80, 80));
    EXPECT_EQ(placeholder.format(), QImage::Format_RGB888);
    EXPECT_EQ(placeholder.pixel(0, 0), kBackground);
    EXPECT_EQ(placeholder.pixel(79, 79), kBackground);
    const QRgb square = placeholder.pixel(20, 40);
    const QRgb cross = placeholder.pixel(40, 40);
    EXPECT_NE(square, kBackground);
    EXPECT_NE(cross, square);
    EXPECT_EQ(placeholder.pixel(10, 10), cross);
    EXPECT_EQ(placeholder.pixel(69, 10), cross);
    EXPECT_TRUE(catalogue::unreadableThumbnail(0, kBackground).isNull());
}

TEST(UnreadableThumbnail, TheStatusTextNamesAtMostThreeFiles) {
    EXPECT_EQ(catalogue::unreadableLoadText({}), "");
    EXPECT_EQ(catalogue::unreadableLoadText({"a.jpg"}), " 読めないファイル 1 件: a.jpg");
    EXPECT_EQ(catalogue::unreadableLoadText({"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}),
              " 読めないファイル 5 件: a.jpg, b.jpg, c.jpg ほか 2 件");
}

}  // namespace
