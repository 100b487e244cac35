#include "core/NumberText.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* text;
    int32_t value;
    int32_t errorPos;
};

TEST(NumberParse, ReadsDecimalAndHexadecimalLikeTheBoxesDo) {
    const ParseCase cases[] = {
        {"12", 12, 0},
        {"  12", 12, 0},
        {"-5", -5, 0},
        {"+7", 7, 0},
        {"0", 0, 0},
        {"007", 7, 0},
        {"$FF", 255, 0},
        {"0x1f", 31, 0},
        {"X10", 16, 0},
        {"x10", 16, 0},
        {"-$10", -16, 0},
        {"$FFFFFFFF", -1, 0},
        {"2147483647", 2147483647, 0},
        {"-2147483648", INT32_MIN, 0},
    };
    for (const ParseCase& c : cases) {
        const NumberParse parsed = parseNumber(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.value, c.value) << c.text;
        EXPECT_EQ(parsed.errorPos, c.errorPos) << c.text;
    }
}

TEST(NumberParse, ReportsThePositionOfTheFirstCharacterThatDidNotConvert) {
    const ParseCase cases[] = {
        {"", 0, 1},   {"-", 0, 2},           {"+", 0, 2},           {"  ", 0, 3},  {"$", 0, 2},
        {"0x", 0, 3}, {"12a", 0, 3},         {"1 2", 0, 2},         {"12 ", 0, 3}, {"a", 0, 1},
        {"$G", 0, 2}, {"2147483648", 0, 10}, {"$123456789", 0, 10}, {"１", 0, 1},
    };
    for (const ParseCase& c : cases) {
        const NumberParse parsed = parseNumber(QString::fromUtf8(c.text));
        EXPECT_FALSE(parsed.ok()) << c.text;
        EXPECT_EQ(parsed.errorPos, c.errorPos) << c.text;
    }
}

TEST(NumberBox, CorrectionEmptiesNonNumbersAndClampsToTheRange) {
    EXPECT_EQ(correctedNumberText("300", 255), QString("255"));
    EXPECT_EQ(correctedNumberText("-5", 100), QString("0"));
    EXPECT_EQ(correctedNumberText("abc", 100), QString(""));
    EXPECT_EQ(correctedNumberText("-", 100), QString(""));
    EXPECT_EQ(correctedNumberText("$FFFFFFFF", 100), QString("0"));
    // Valid texts stay exactly as they are, whatever their spelling.
    EXPECT_EQ(correctedNumberText("", 100), std::nullopt);
    EXPECT_EQ(correctedNumberText("80", 100), std::nullopt);
    EXPECT_EQ(correctedNumberText("100", 100), std::nullopt);
    EXPECT_EQ(correctedNumberText("0x10", 100), std::nullopt);
    EXPECT_EQ(correctedNumberText(" 5", 100), std::nullopt);
}

TEST(NumberBox, ArrowsStepByTenWithinTheirLimits) {
    // Quality box: up while below 100, down while above 0; empty reads as
    // -10 (up) or 110 (down).
    EXPECT_EQ(steppedNumberText("95", "-10", StepDirection::Up, 100), QString("105"));
    EXPECT_EQ(steppedNumberText("100", "-10", StepDirection::Up, 100), std::nullopt);
    EXPECT_EQ(steppedNumberText("", "110", StepDirection::Down, 0), QString("100"));
    EXPECT_EQ(steppedNumberText("5", "110", StepDirection::Down, 0), QString("-5"));
    EXPECT_EQ(steppedNumberText("0", "110", StepDirection::Down, 0), std::nullopt);
    EXPECT_EQ(steppedNumberText("", "-10", StepDirection::Up, 9999), QString("0"));
    EXPECT_EQ(steppedNumberText("", "10009", StepDirection::Down, 0), QString("9999"));
    // Thumbnail size: down only while above 20, so 25 becomes 15.
    EXPECT_EQ(steppedNumberText("25", "80", StepDirection::Down, 20), QString("15"));
    EXPECT_EQ(steppedNumberText("20", "80", StepDirection::Down, 20), std::nullopt);
    EXPECT_EQ(steppedNumberText("", "80", StepDirection::Up, 150), QString("90"));
    EXPECT_EQ(steppedNumberText("", "", StepDirection::Up, 150), std::nullopt);
}

}  // namespace
