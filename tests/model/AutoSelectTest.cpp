#include "model/AutoSelect.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using model::autoSelect;
using model::AutoSelection;
using model::SelectionVerdict;
using model::sizeMatches;
using model::toleranceFromText;
using testing_support::patternImage;

TEST(SizeMatches, BothSidesWithinTheToleranceInclusive) {
    const QSize sample(2480, 1748);
    EXPECT_TRUE(sizeMatches(sample, {2490, 1738}, 10));
    EXPECT_TRUE(sizeMatches(sample, {2470, 1758}, 10));
    EXPECT_FALSE(sizeMatches(sample, {2491, 1748}, 10));
    EXPECT_FALSE(sizeMatches(sample, {2480, 1737}, 10));
    EXPECT_FALSE(sizeMatches(sample, {2469, 1748}, 10));
}

TEST(SizeMatches, ZeroToleranceNeedsTheExactSize) {
    EXPECT_TRUE(sizeMatches({2480, 1748}, {2480, 1748}, 0));
    EXPECT_FALSE(sizeMatches({2480, 1748}, {2481, 1748}, 0));
    EXPECT_FALSE(sizeMatches({2480, 1748}, {2480, 1747}, 0));
    EXPECT_FALSE(sizeMatches({2480, 1748}, {2480, 1748}, -1));
}

TEST(SizeMatches, OrientationCounts) {
    EXPECT_FALSE(sizeMatches({3000, 2000}, {2000, 3000}, 10));
    EXPECT_FALSE(sizeMatches({3000, 2000}, {2000, 3000}, 990));
    EXPECT_TRUE(sizeMatches({3000, 2000}, {2000, 3000}, 1000));
}

TEST(ToleranceFromText, EmptyOrInvalidActsAsTen) {
    EXPECT_EQ(toleranceFromText("25"), 25);
    EXPECT_EQ(toleranceFromText("0"), 0);
    EXPECT_EQ(toleranceFromText("990"), 990);
    EXPECT_EQ(toleranceFromText(""), 10);
    EXPECT_EQ(toleranceFromText("abc"), 10);
    EXPECT_EQ(toleranceFromText("12x"), 10);
    EXPECT_EQ(toleranceFromText("-5"), 0);
}

class AutoSelect : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    void picture(const QString& name, int width, int height) {
        const QString path = dir_.filePath(name);
        if (name.endsWith(".bmp")) {
            testing_support::writeBmp(path, patternImage(width, height));
        } else {
            testing_support::writeJpeg(path, patternImage(width, height));
        }
    }

    QTemporaryDir dir_;
};

TEST_F(AutoSelect, SelectsMatchingSizesAndKeepsMissingAndUnreadableItems) {
    picture("p1.jpg", 200, 100);  // the sample
    picture("p2.bmp", 210, 90);   // both sides 10 off: match
    picture("p3.jpg", 211, 100);  // 11 off: no match
    picture("p4.jpg", 100, 200);  // turned: no match
    testing_support::writeBytes(dir_.filePath("p5.jpg"), QByteArray(300, 'x'));  // corrupt
    picture("p7.jpg", 195, 105);                                                 // match
    ASSERT_TRUE(QDir(dir_.path()).mkdir("p8.jpg"));  // a folder now stands where the file was
    // p6.jpg was listed but has since been deleted.
    const QStringList fileNames = {"p1.jpg", "p2.bmp", "p3.jpg", "p4.jpg",
                                   "p5.jpg", "p6.jpg", "p7.jpg", "p8.jpg"};

    const AutoSelection result = autoSelect(dir_.path(), fileNames, 0, 10);
    EXPECT_EQ(result.outcome, AutoSelection::Outcome::Done);
    using enum SelectionVerdict;
    EXPECT_EQ(result.verdicts, std::vector<SelectionVerdict>(
                                   {Select, Select, Unselect, Unselect, Keep, Keep, Select, Keep}));
    EXPECT_EQ(result.unreadableCount, 1);

    const AutoSelection exact = autoSelect(dir_.path(), fileNames, 1, 0);
    EXPECT_EQ(exact.verdicts, std::vector<SelectionVerdict>({Unselect, Select, Unselect, Unselect,
                                                             Keep, Keep, Unselect, Keep}));
}

TEST_F(AutoSelect, NeedsAReadableSample) {
    picture("a.jpg", 50, 50);
    testing_support::writeBytes(dir_.filePath("bad.bmp"), QByteArray("BM not really"));
    const QStringList fileNames = {"a.jpg", "bad.bmp", "gone.jpg"};
    EXPECT_EQ(autoSelect(dir_.path(), fileNames, 1, 10).outcome,
              AutoSelection::Outcome::SampleUnreadable);
    EXPECT_EQ(autoSelect(dir_.path(), fileNames, 2, 10).outcome,
              AutoSelection::Outcome::SampleMissing);
    EXPECT_EQ(autoSelect(dir_.path(), fileNames, -1, 10).outcome, AutoSelection::Outcome::NoSample);
    EXPECT_EQ(autoSelect(dir_.path(), fileNames, 3, 10).outcome, AutoSelection::Outcome::NoSample);
    for (const int sample : {-1, 1, 2, 3}) {
        EXPECT_TRUE(autoSelect(dir_.path(), fileNames, sample, 10).verdicts.empty());
    }
}

}  // namespace
