#include "widgets/NumberEdit.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class NumberEditTest : public ::testing::Test {
protected:
    NumberEdit edit{255, 4, nullptr};
};

TEST_F(NumberEditTest, TypingKeepsAnIntegerInRange) {
    QTest::keyClicks(&edit, "300");
    EXPECT_EQ(edit.text(), "255");
    edit.clear();
    QTest::keyClicks(&edit, "-");
    EXPECT_EQ(edit.text(), "");
    QTest::keyClicks(&edit, "12a");
    EXPECT_EQ(edit.text(), "");
    QTest::keyClicks(&edit, "1234");
    EXPECT_EQ(edit.text(), "255");
}

TEST_F(NumberEditTest, TypingStopsAtTheMaximumLengthButProgramTextsAreNotCut) {
    NumberEdit wide(99999, 4, nullptr);
    QTest::keyClicks(&wide, "12345");
    EXPECT_EQ(wide.text(), "1234");
    wide.setText("00042");
    EXPECT_EQ(wide.text(), "00042");
}

TEST_F(NumberEditTest, ProgramTextsRunTheSameChangeHandling) {
    edit.setText("-7");
    EXPECT_EQ(edit.text(), "0");
    edit.setText("x");
    EXPECT_EQ(edit.text(), "");
    edit.setText("$FF");
    EXPECT_EQ(edit.text(), "$FF");
}

TEST_F(NumberEditTest, StepsClampOvershoot) {
    edit.setText("250");
    edit.step(StepDirection::Up, "-10", 255);
    EXPECT_EQ(edit.text(), "255");
    edit.clear();
    edit.step(StepDirection::Down, "265", 0);
    EXPECT_EQ(edit.text(), "255");
    edit.setText("5");
    edit.step(StepDirection::Down, "265", 0);
    EXPECT_EQ(edit.text(), "0");
}

}  // namespace
