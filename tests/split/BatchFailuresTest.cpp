#include "split/BatchFailures.h"

#include <gtest/gtest.h>

namespace split {
namespace {

TEST(BatchFailuresTest, CountsEachFailedItemOnceAndKeepsTheFirstName) {
    BatchFailures failures;
    CommitReport written;
    written.written = 2;
    failures.record(ItemWork{}, written);
    // Copies onto themselves are skipped, not failed.
    CommitReport skipped;
    skipped.skipped = 1;
    failures.record(ItemWork{}, skipped);
    EXPECT_EQ(failures.count(), 0);

    ItemWork undecodable;
    undecodable.problem = ItemProblem{QStringLiteral("壊れています"), QStringLiteral("p2.jpg")};
    failures.record(undecodable, CommitReport{});
    EXPECT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.firstFileName(), QStringLiteral("p2.jpg"));

    // Two refused outputs of one item: one failed item, named by its output.
    CommitReport refused;
    refused.failed = 2;
    refused.firstFailedFile = QStringLiteral("a_1.jpg");
    failures.record(ItemWork{}, refused);
    EXPECT_EQ(failures.count(), 2);
    EXPECT_EQ(failures.firstFileName(), QStringLiteral("p2.jpg"));
}

TEST(BatchFailuresTest, TheEndMessageSaysHowManyFailed) {
    EXPECT_EQ(completionMessage(0), QStringLiteral("完了"));
    EXPECT_EQ(completionMessage(3), QStringLiteral("完了（3件は処理できませんでした）"));
}

}  // namespace
}  // namespace split
