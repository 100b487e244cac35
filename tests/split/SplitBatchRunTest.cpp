// The split batch driven without windows, as a command-line front end
// drives it: blocking commits, cancel, failures and progress numbers.
#include "split/SplitBatch.h"

#include "imaging/PictureIo.h"

#include "tests/support/MemoryLimit.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace split {
namespace {

using testing_support::patternImage;

class SplitBatchRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath("book"));
        ASSERT_TRUE(QDir(root_.path()).mkpath("out"));
        options_.destination = root_.filePath("out");
        options_.format = OutputFormat::Bmp;
    }
    QString book() const { return root_.filePath("book"); }
    QString output() const { return root_.filePath("out/book"); }
    // A spread of `width` x 20 written into the book.
    SplitItem spread(const QString& name, int width, bool selected = true) {
        testing_support::writeBmp(QDir(book()).filePath(name), patternImage(width, 20));
        return listed(name, selected);
    }
    SplitItem listed(const QString& name, bool selected = true) const {
        return SplitItem{QDir(book()).filePath(name), name, selected};
    }
    QStringList written() const {
        return QDir(output()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir root_;
    SplitOptions options_;
};

TEST_F(SplitBatchRun, CommitsInOrderWithTheRunningNumberAndCountsFailures) {
    std::vector<SplitItem> items;
    // The first spread is the largest: its work ends last, its commit comes first.
    items.push_back(spread("a.bmp", 1600));
    items.push_back(spread("b.bmp", 30, false));  // copied unchanged
    items.push_back(listed("gone.bmp"));          // listed, then removed
    items.push_back(spread("c.bmp", 40));
    testing_support::writeBytes(QDir(book()).filePath("d.bmp"), "BM broken");
    items.push_back(listed("d.bmp"));

    SplitBatch batch(options_, book(), items, 4);
    EXPECT_EQ(batch.outputFolder(), output());
    EXPECT_EQ(batch.total(), 5);
    EXPECT_EQ(batch.progressLine(), QStringLiteral("1 / 5"));
    ASSERT_TRUE(batch.start());

    std::vector<int> order;
    std::vector<int> numbers;
    std::vector<QString> failed;
    batch.run([&](const CommittedItem& item) {
        order.push_back(item.index);
        numbers.push_back(batch.number());
        failed.push_back(item.failedFile.value_or(QString()));
        return true;
    });
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    // A file that has gone does not move the number on.
    EXPECT_EQ(numbers, (std::vector<int>{2, 3, 3, 4, 5}));
    EXPECT_EQ(failed, (std::vector<QString>{"", "", "gone.bmp", "", "d.bmp"}));
    EXPECT_TRUE(batch.finished());
    EXPECT_FALSE(batch.commitNext().has_value());
    EXPECT_EQ(batch.failures().count(), 2);
    EXPECT_EQ(batch.failures().firstFileName(), QStringLiteral("gone.bmp"));
    EXPECT_EQ(batch.progressLine(), QStringLiteral("5 / 5"));
    EXPECT_EQ(written(), (QStringList{"a_1.bmp", "a_2.bmp", "b.bmp", "c_1.bmp", "c_2.bmp"}));
}

TEST_F(SplitBatchRun, NothingIsWrittenAfterTheCancel) {
    std::vector<SplitItem> items;
    for (int n = 1; n <= 6; ++n)
        items.push_back(spread(QStringLiteral("p%1.bmp").arg(n), 40));
    QThreadPool pool;
    {
        SplitBatch batch(options_, book(), items, 4, &pool);
        ASSERT_TRUE(batch.start());
        // The items after the second are in work when it is committed.
        batch.run([](const CommittedItem& item) { return item.index < 1; });
        EXPECT_TRUE(batch.cancelled());
        EXPECT_EQ(batch.nextIndex(), 2);
        EXPECT_FALSE(batch.commitNext().has_value());
        EXPECT_FALSE(batch.commitNextIfReady().has_value());
    }
    ASSERT_TRUE(pool.waitForDone(5000));
    EXPECT_EQ(written(), (QStringList{"p1_1.bmp", "p1_2.bmp", "p2_1.bmp", "p2_2.bmp"}));
}

TEST_F(SplitBatchRun, RunningOutOfMemoryIsTheItemsFailureAndTheBatchGoesOn) {
    if (!testing_support::canCapAddressSpace()) {
        GTEST_SKIP() << "a sanitizer holds the address space";
    }
    // A scan of 20000 x 16000 pixels: 960 MB to read, more than is left.
    testing_support::writeSparseBmp(QDir(book()).filePath("huge.bmp"), 20000, 16000);
    const std::vector<SplitItem> items = {listed("huge.bmp"), spread("a.bmp", 30)};
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (!testing_support::capAddressSpace(256 << 20)) {
                std::exit(2);
            }
            SplitBatch batch(options_, book(), items, 2);
            batch.start();
            std::vector<CommittedItem> committed;
            batch.run([&](const CommittedItem& item) {
                committed.push_back(item);
                return true;
            });
            const bool refused = committed.size() == 2 && committed[0].problem &&
                                 committed[0].problem->message == "メモリが足りません" &&
                                 committed[0].failedFile == QStringLiteral("huge.bmp");
            if (!committed.empty() && committed[0].problem) {
                std::fprintf(stderr, "%s\n", qPrintable(committed[0].problem->message));
            }
            std::exit(refused && committed[1].report.written == 2 && batch.number() == 3 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SplitBatchRun, TwoImagesOfOneStemKeepTheFirstsPagesAndTheSecondFails) {
    // x.bmp and x.jpg both make x_1.bmp and x_2.bmp.
    testing_support::writeJpeg(QDir(book()).filePath("x.jpg"), patternImage(30, 20));
    std::vector<SplitItem> items{spread("x.bmp", 40), listed("x.jpg")};

    SplitBatch batch(options_, book(), items, 2);
    ASSERT_TRUE(batch.start());
    std::vector<CommittedItem> committed;
    batch.run([&](const CommittedItem& item) {
        committed.push_back(item);
        return true;
    });
    ASSERT_EQ(committed.size(), 2u);
    EXPECT_EQ(committed[0].report.written, 2);
    EXPECT_EQ(committed[1].report.written, 0);
    EXPECT_EQ(committed[1].failedFile, std::optional<QString>("x_1.bmp"));
    EXPECT_EQ(committed[1].report.firstFailure,
              "x.jpg のページは x.bmp のページと同じ名前のため保存しませんでした");
    EXPECT_EQ(batch.failures().count(), 1);
    // The first image's pages, 20 + 20 columns.
    EXPECT_EQ(written(), (QStringList{"x_1.bmp", "x_2.bmp"}));
    EXPECT_EQ(imaging::loadPicture(QDir(output()).filePath("x_1.bmp"))->width(), 20);
}

}  // namespace
}  // namespace split
