#include "split/BatchFailures.h"

#include <gtest/gtest.h>

namespace split {
namespace {

SplitItem selected(const QString& name) {
    return SplitItem{"/book/" + name, name, true};
}

ItemWork counted() {
    ItemWork work;
    work.numberStep = 1;
    return work;
}

TEST(BatchFailuresTest, CountsEachFailedItemOnceAndKeepsTheFirstName) {
    const SplitOptions options;
    BatchFailures failures;
    CommitReport written;
    written.written = 2;
    failures.record(selected("p1.jpg"), options, counted(), written);
    // Copies onto themselves are skipped, not failed.
    CommitReport skipped;
    skipped.skipped = 1;
    failures.record(SplitItem{"/book/p2.jpg", "p2.jpg", false}, options, counted(), skipped);
    EXPECT_EQ(failures.count(), 0);

    ItemWork undecodable = counted();
    undecodable.problem = ItemProblem{QStringLiteral("壊れています"), QStringLiteral("p3.jpg")};
    failures.record(selected("p3.jpg"), options, undecodable, CommitReport{});
    EXPECT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.firstFileName(), QStringLiteral("p3.jpg"));

    // Two refused outputs of one item: one failed item.
    CommitReport refused;
    refused.failed = 2;
    refused.firstFailedFile = QStringLiteral("a_1.jpg");
    failures.record(selected("a.jpg"), options, counted(), refused);
    EXPECT_EQ(failures.count(), 2);
    EXPECT_EQ(failures.firstFileName(), QStringLiteral("p3.jpg"));
}

TEST(BatchFailuresTest, AWantedSourceThatHadGoneFailsAnUnwantedOneDoesNot) {
    SplitOptions options;
    options.copyUnselected = false;
    options.resaveUnselected = false;
    BatchFailures failures;
    // Unselected and neither copied nor saved anew: nothing was asked for.
    failures.record(SplitItem{"/book/u.jpg", "u.jpg", false}, options, ItemWork{}, CommitReport{});
    EXPECT_EQ(failures.count(), 0);
    failures.record(selected("gone.jpg"), options, ItemWork{}, CommitReport{});
    EXPECT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.firstFileName(), QStringLiteral("gone.jpg"));

    options.copyUnselected = true;
    failures.record(SplitItem{"/book/v.jpg", "v.jpg", false}, options, ItemWork{}, CommitReport{});
    EXPECT_EQ(failures.count(), 2);
}

TEST(BatchFailuresTest, TheEndMessageSaysHowManyFailed) {
    EXPECT_EQ(completionMessage(0), QStringLiteral("完了"));
    EXPECT_EQ(completionMessage(3), QStringLiteral("完了（3件は処理できませんでした）"));
}

}  // namespace
}  // namespace split
