#include "split/ItemPrefetch.h"

#include "tests/support/MemoryLimit.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <vector>

namespace split {
namespace {

class ItemPrefetchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        testing_support::writeBmp(root_.filePath("a.bmp"), testing_support::patternImage(30, 20));
        testing_support::writeBmp(root_.filePath("b.bmp"), testing_support::patternImage(10, 20));
        options_.format = OutputFormat::Bmp;
    }
    SplitItem item(const QString& name) const { return {root_.filePath(name), name, true}; }

    // Takes the work of `index`, waiting while it runs.
    std::optional<ItemWork> waitAndTake(ItemPrefetch& prefetch, int index) {
        std::optional<ItemWork> work;
        (void)QTest::qWaitFor([&] { return (work = prefetch.take(index)).has_value(); }, 5000);
        return work;
    }

    QTemporaryDir root_;
    SplitOptions options_;
};

TEST_F(ItemPrefetchTest, HandsOutTheWorkOnlyForItsOwnIndex) {
    ItemPrefetch prefetch(options_, root_.filePath("out"), 1);
    EXPECT_FALSE(prefetch.started(0));
    EXPECT_FALSE(prefetch.take(0).has_value());

    prefetch.start(4, item("a.bmp"));
    EXPECT_TRUE(prefetch.started(4));
    EXPECT_FALSE(prefetch.started(3));
    EXPECT_FALSE(prefetch.take(3).has_value());

    const auto work = waitAndTake(prefetch, 4);
    ASSERT_TRUE(work.has_value());
    EXPECT_EQ(work->outputs.size(), 2u);
    EXPECT_EQ(work->numberStep, 1);
    // Taken once: the next item must be started anew.
    EXPECT_FALSE(prefetch.started(4));
    EXPECT_FALSE(prefetch.take(4).has_value());
    // Nothing was written: the work only plans.
    EXPECT_FALSE(QDir(root_.filePath("out")).exists());
}

TEST_F(ItemPrefetchTest, RunningOutOfMemoryIsTheItemsProblem) {
    if (!testing_support::canCapAddressSpace()) {
        GTEST_SKIP() << "a sanitizer holds the address space";
    }
    // A scan of 20000 x 16000 pixels: 960 MB to read, more than is left.
    testing_support::writeSparseBmp(root_.filePath("huge.bmp"), 20000, 16000);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (!testing_support::capAddressSpace(256 << 20)) {
                std::exit(2);
            }
            ItemPrefetch prefetch(options_, root_.filePath("out"), 2);
            prefetch.start(0, item("huge.bmp"));
            prefetch.start(1, item("a.bmp"));
            const auto huge = waitAndTake(prefetch, 0);
            const auto next = waitAndTake(prefetch, 1);
            const bool refused = huge && huge->outputs.empty() && huge->problem &&
                                 huge->problem->message == "メモリが足りません" &&
                                 huge->numberStep == 1;
            if (huge && huge->problem) {
                std::fprintf(stderr, "%s\n", qPrintable(huge->problem->message));
            }
            std::exit(refused && next && next->outputs.size() == 2 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ItemPrefetchTest, KeepsTheNextItemsInWorkUpToItsDepth) {
    ItemPrefetch prefetch(options_, root_.filePath("out"), 2);
    std::vector<int> read;
    const auto itemAt = [&](int index) {
        read.push_back(index);
        return item(index % 2 == 0 ? "a.bmp" : "b.bmp");
    };
    prefetch.keepAhead(0, 4, itemAt);
    EXPECT_EQ(read, (std::vector<int>{0, 1}));
    prefetch.keepAhead(0, 4, itemAt);
    EXPECT_EQ(read, (std::vector<int>{0, 1}));
    // Moving on drops item 0 and starts item 2; never past the last item.
    prefetch.keepAhead(1, 2, itemAt);
    EXPECT_EQ(read, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(prefetch.started(0));
    prefetch.keepAhead(2, 2, itemAt);
    EXPECT_EQ(read, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(prefetch.started(1));
    EXPECT_TRUE(prefetch.started(2));
}

TEST_F(ItemPrefetchTest, DroppingDiscardsTheWorkInProgress) {
    ItemPrefetch prefetch(options_, root_.filePath("out"), 1);
    prefetch.start(1, item("b.bmp"));
    const auto work = waitAndTake(prefetch, 1);
    ASSERT_TRUE(work.has_value());
    ASSERT_EQ(work->outputs.size(), 2u);
    EXPECT_TRUE(std::get<PlannedWrite>(work->outputs[0]).targetPath.endsWith("b_1.bmp"));

    prefetch.start(2, item("a.bmp"));
    prefetch.drop();
    EXPECT_FALSE(prefetch.started(2));
    EXPECT_FALSE(prefetch.take(2).has_value());
}

}  // namespace
}  // namespace split
