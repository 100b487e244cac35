#include "model/NaturalOrder.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using model::NaturalOrder;

QStringList sorted(QStringList names) {
    NaturalOrder().sort(names);
    return names;
}

TEST(NaturalOrder, DigitRunsCompareAsNumbers) {
    EXPECT_EQ(sorted({"p10.jpg", "p2.jpg", "p1.jpg", "p100.jpg", "p20.jpg"}),
              QStringList({"p1.jpg", "p2.jpg", "p10.jpg", "p20.jpg", "p100.jpg"}));
    EXPECT_EQ(sorted({"vol2_p10.jpg", "vol10_p1.jpg", "vol2_p9.jpg"}),
              QStringList({"vol2_p9.jpg", "vol2_p10.jpg", "vol10_p1.jpg"}));
}

TEST(NaturalOrder, LeadingZerosKeepTheNumberAndStillGiveADistinctPlace) {
    // The value decides first; equal values fall back to the plain
    // comparison, which puts more leading zeros first.
    EXPECT_EQ(sorted({"p1.jpg", "p010.jpg", "p01.jpg", "p9.jpg", "p001.jpg"}),
              QStringList({"p001.jpg", "p01.jpg", "p1.jpg", "p9.jpg", "p010.jpg"}));
}

TEST(NaturalOrder, LetterCaseIsIgnoredExceptToBreakTies) {
    EXPECT_EQ(sorted({"c.jpg", "B.jpg", "a.jpg", "D.bmp"}),
              QStringList({"a.jpg", "B.jpg", "c.jpg", "D.bmp"}));
    const NaturalOrder order;
    EXPECT_LT(order.compare("A.jpg", "a.jpg"), 0);
    EXPECT_GT(order.compare("a.jpg", "A.jpg"), 0);
    EXPECT_EQ(sorted({"a.jpg", "b.jpg", "A.jpg"}), QStringList({"A.jpg", "a.jpg", "b.jpg"}));
}

TEST(NaturalOrder, JapaneseNamesKeepKanaTogether) {
    // Hiragana and katakana of the same sound sit next to each other, in
    // the kana order, ahead of kanji.
    EXPECT_EQ(sorted({"い.jpg", "漢.jpg", "ア.jpg", "あ.jpg", "か.jpg"}),
              QStringList({"あ.jpg", "ア.jpg", "い.jpg", "か.jpg", "漢.jpg"}));
    EXPECT_EQ(sorted({"第10章.jpg", "第2章.jpg"}), QStringList({"第2章.jpg", "第10章.jpg"}));
}

TEST(NaturalOrder, IsATotalOrder) {
    const QStringList names = {"a.jpg",  "A.jpg", "p1.jpg", "p01.jpg", "P1.jpg",   "あ.jpg",
                               "ア.jpg", "ｱ.jpg", "b.bmp",  "B.BMP",   "p1_a.jpg", "p1a.jpg"};
    const NaturalOrder order;
    for (const QString& a : names) {
        for (const QString& b : names) {
            const int ab = order.compare(a, b);
            EXPECT_EQ(ab, -order.compare(b, a)) << a.toStdString() << " " << b.toStdString();
            EXPECT_EQ(ab == 0, a == b) << a.toStdString() << " " << b.toStdString();
        }
    }
}

TEST(NaturalOrder, SortAgreesWithPairwiseComparisonWhateverTheInputOrder) {
    QStringList names = {"p10.jpg", "P2.jpg", "p2.jpg", "p02.jpg", "a.jpg", "A.jpg", "あ.jpg",
                         "ア.jpg",  "x.bmp",  "X.jpg",  "10.jpg",  "9.jpg", ".jpg",  "p 2.jpg"};
    const NaturalOrder order;
    QStringList expected = names;
    std::sort(expected.begin(), expected.end(), order);
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        EXPECT_EQ(sorted(names), expected);
    }
}

}  // namespace
