#include "core/Cp932.h"
#include "model/SettingsRecord.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines.last().isEmpty()) << "the last line must end with a line end";
    lines.removeLast();
    for (const QByteArray& line : lines)
        EXPECT_TRUE(line.endsWith('\r'));
    return lines;
}

TEST(SettingsFile, DesignedValuesAreWrittenAsTwentySixCrLfLines) {
    const QByteArray bytes = formatSettings(designedSettings());
    const QList<QByteArray> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[0], "-1\r");
    EXPECT_EQ(lines[1], "0\r");
    EXPECT_EQ(lines[2], "1024\r");
    EXPECT_EQ(lines[3], "765\r");
    EXPECT_EQ(lines[17], "336\r");
    EXPECT_EQ(lines[18], "80\r");
    EXPECT_EQ(lines[23], "10\r");
    EXPECT_EQ(lines[24], "\r");
    EXPECT_EQ(lines[25], "\r");
}

TEST(SettingsFile, RoundTripKeepsEveryValue) {
    SettingsRecord record = designedSettings();
    record.numbers[0] = -1200;  // a window above the primary screen
    record.numbers[1] = -1925;
    record.numbers[7] = 2147483647;
    record.texts[2] = QString();
    record.texts[5] = QStringLiteral("$5A");
    record.texts[6] = QStringLiteral("/home/user/スキャン/本 1");
    record.texts[7] = QStringLiteral("C:\\保存先");
    const SettingsParse parsed = parseSettings(formatSettings(record));
    ASSERT_TRUE(parsed.complete());
    ASSERT_EQ(parsed.numbers.size(), 18u);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(parsed.numbers[i], record.numbers[i]) << i;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(parsed.texts[i], record.texts[i]) << i;
}

TEST(SettingsFile, TextsAreShiftJis) {
    SettingsRecord record = designedSettings();
    record.texts[6] = QStringLiteral("本");
    record.texts[7] = QStringLiteral("ｶﾅ");
    const QList<QByteArray> lines = linesOf(formatSettings(record));
    EXPECT_EQ(lines[24], QByteArray("\x96\x7B\r"));
    EXPECT_EQ(lines[25], QByteArray("\xB6\xC5\r"));
    EXPECT_EQ(decodeCp932("\x83\x58\x83\x4C\x83\x83\x83\x93"), QStringLiteral("スキャン"));
}

TEST(SettingsFile, TextThatShiftJisCannotHoldIsWrittenEmpty) {
    SettingsRecord record = designedSettings();
    record.texts[6] = QStringLiteral("/scans/\U0001F4DA");
    const QList<QByteArray> lines = linesOf(formatSettings(record));
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[24], "\r");
}

// A folder name may hold a line break, or a character that CP932 keeps only
// as a look-alike (〜 reads back as ～, ¥ as \): written as it stands, the
// first would push every later text down a line and the second would name
// another folder.
TEST(SettingsFile, TextThatWouldNotReadBackIsWrittenEmpty) {
    for (const QString& text :
         {QStringLiteral("/scans/vol 1\nvol 2"), QStringLiteral("/scans/a\rb"),
          QStringLiteral("/scans/第1巻〜第3巻"), QStringLiteral("/scans/¥100")}) {
        SettingsRecord record = designedSettings();
        record.texts[6] = text;
        record.texts[7] = QStringLiteral("/output");
        const QList<QByteArray> lines = linesOf(formatSettings(record));
        ASSERT_EQ(lines.size(), 26) << text.toStdString();
        EXPECT_EQ(lines[24], "\r") << text.toStdString();
        const SettingsParse parsed = parseSettings(formatSettings(record));
        EXPECT_EQ(parsed.texts[6], QString()) << text.toStdString();
        EXPECT_EQ(parsed.texts[7], QStringLiteral("/output")) << text.toStdString();
    }
}

TEST(SettingsFile, InvalidShiftJisBytesDoNotStopReading) {
    const QString text = decodeCp932(QByteArray("ab\x81", 3));
    EXPECT_TRUE(text.startsWith("ab"));
    EXPECT_EQ(text.size(), 3);
}

TEST(SettingsFile, ShortFileReadsZerosAndEmptyTexts) {
    const SettingsParse parsed = parseSettings("5\r\n6\r\n700\r\n");
    ASSERT_TRUE(parsed.complete());
    ASSERT_EQ(parsed.numbers.size(), 18u);
    EXPECT_EQ(parsed.numbers[0], 5);
    EXPECT_EQ(parsed.numbers[2], 700);
    EXPECT_EQ(parsed.numbers[3], 0);
    EXPECT_EQ(parsed.numbers[17], 0);
    for (const QString& text : parsed.texts)
        EXPECT_TRUE(text.isEmpty());
}

TEST(SettingsFile, NumbersSkipBlanksAndLineEndsAndIgnoreTheRestOfTheirLine) {
    QByteArray bytes = "  7 trailing words\n\r\n\t-8\n";
    for (int i = 0; i < 16; ++i)
        bytes += "1\n";
    bytes += "abc\nsecond\n";
    const SettingsParse parsed = parseSettings(bytes);
    ASSERT_TRUE(parsed.complete());
    EXPECT_EQ(parsed.numbers[0], 7);
    // The empty line is skipped as white space before the second number.
    EXPECT_EQ(parsed.numbers[1], -8);
    EXPECT_EQ(parsed.texts[0], "abc");
    EXPECT_EQ(parsed.texts[1], "second");
}

TEST(SettingsFile, ReadingStopsAtTheFirstNumberThatIsNotAnInteger) {
    for (const QByteArray& bad :
         {QByteArray("1x"), QByteArray("$10"), QByteArray("-"), QByteArray("99999999999")}) {
        const SettingsParse parsed = parseSettings("10\r\n20\r\n30\r\n40\r\n" + bad + "\r\n6\r\n");
        EXPECT_FALSE(parsed.complete()) << bad.toStdString();
        EXPECT_EQ(parsed.badLine, 5);
        EXPECT_EQ(parsed.numbers, (std::vector<int32_t>{10, 20, 30, 40}));
    }
}

}  // namespace
