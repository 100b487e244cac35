#include "core/OrderedReadAhead.h"

#include <QSemaphore>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

using Numbers = OrderedReadAhead<int>;

auto squareOf(int entry) {
    return [entry]() -> core::Expected<int> { return entry * entry; };
}

TEST(OrderedReadAhead, HandsOutEachResultOnlyForItsOwnEntryAndOnce) {
    Numbers numbers(1);
    EXPECT_FALSE(numbers.started(0));
    EXPECT_FALSE(numbers.takeIfReady(0).has_value());
    EXPECT_FALSE(numbers.waitAndTake(0).has_value());

    numbers.start(4, squareOf(4));
    EXPECT_TRUE(numbers.started(4));
    EXPECT_FALSE(numbers.started(3));
    EXPECT_FALSE(numbers.takeIfReady(3).has_value());

    ASSERT_TRUE(QTest::qWaitFor([&] { return numbers.ready(4); }));
    const auto result = numbers.takeIfReady(4);
    ASSERT_TRUE(result.has_value() && result->ok());
    EXPECT_EQ(result->value(), 16);
    // Taken once: the entry must be started anew.
    EXPECT_FALSE(numbers.started(4));
    EXPECT_FALSE(numbers.takeIfReady(4).has_value());

    numbers.start(5, squareOf(5));
    EXPECT_EQ(numbers.waitAndTake(5)->value(), 25);
}

TEST(OrderedReadAhead, KeepsTheNextEntriesInWorkUpToItsDepth) {
    Numbers numbers(2);
    std::vector<int> made;
    const auto workFor = [&](int entry) {
        made.push_back(entry);
        return squareOf(entry);
    };
    numbers.keepAhead(0, 5, workFor);
    EXPECT_EQ(made, (std::vector<int>{0, 1}));
    numbers.keepAhead(0, 5, workFor);
    EXPECT_EQ(made, (std::vector<int>{0, 1}));
    // Moving on drops entry 0 and starts entry 2; never from the end on.
    numbers.keepAhead(1, 3, workFor);
    EXPECT_EQ(made, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(numbers.started(0));
    numbers.keepAhead(2, 3, workFor);
    EXPECT_EQ(made, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(numbers.started(1));
    EXPECT_EQ(numbers.waitAndTake(2)->value(), 4);
}

TEST(OrderedReadAhead, DroppedWorkThatHasNotBegunNeverRuns) {
    QThreadPool pool;
    pool.setMaxThreadCount(1);
    QSemaphore release;
    std::atomic<int> ran = 0;
    {
        Numbers numbers(3, &pool);
        // Entry 0 holds the only worker, so entry 1 waits in the queue.
        numbers.start(0, [&]() -> core::Expected<int> {
            release.acquire();
            return 0;
        });
        numbers.start(1, [&]() -> core::Expected<int> { return ++ran; });
        numbers.drop();
        EXPECT_FALSE(numbers.started(1));
        release.release();
    }
    ASSERT_TRUE(pool.waitForDone(5000));
    EXPECT_EQ(ran, 0);
}

TEST(OrderedReadAhead, WhatTheWorkThrowsBecomesItsErrorOnTheTakingThread) {
    Numbers numbers(3);
    numbers.start(0, []() -> core::Expected<int> { throw std::bad_alloc(); });
    numbers.start(1, []() -> core::Expected<int> { throw std::runtime_error("broken"); });
    numbers.start(2, []() -> core::Expected<int> { throw 42; });
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return numbers.ready(0) && numbers.ready(1) && numbers.ready(2); }));
    std::vector<QString> errors;
    for (int entry = 0; entry < 3; ++entry) {
        const auto result = numbers.takeIfReady(entry);
        ASSERT_TRUE(result.has_value());
        ASSERT_FALSE(result->ok()) << entry;
        errors.push_back(result->error().message);
    }
    EXPECT_EQ(errors,
              (std::vector<QString>{"メモリが足りません", "処理中に予期しないエラーが発生しました",
                                    "処理中に予期しないエラーが発生しました"}));
}

}  // namespace
