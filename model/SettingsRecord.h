#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The 26 values of Quillfold.ini, by position: 18 integers (window
// placements) followed by 8 texts (six option boxes, then the default open
// and save folders). Lines end with CR LF; texts are CP932.
struct SettingsRecord {
    static constexpr int kNumberCount = 18;
    static constexpr int kTextCount = 8;

    std::array<int32_t, kNumberCount> numbers{};
    std::array<QString, kTextCount> texts;

    bool operator==(const SettingsRecord&) const = default;
};

// What reading a settings file gave. The numbers are read in order and each
// is applied as soon as it is read; reading stops at the first number line
// that does not hold an integer, so `numbers` then holds only the values
// before it and `texts` is not valid.
struct SettingsParse {
    std::vector<int32_t> numbers;
    // 1-based line of the first number that is not an integer.
    std::optional<int> badLine;
    std::array<QString, SettingsRecord::kTextCount> texts;

    bool complete() const { return !badLine.has_value(); }
};

// Reads the file's bytes. A number is found by skipping white space (line
// ends included), taking the characters up to the next one at or below the
// space character and reading them as a decimal integer with an optional
// sign; the rest of its line is skipped. A text is the rest of its line.
// Past the end of the file a number reads as 0 and a text as empty.
SettingsParse parseSettings(const QByteArray& bytes);

// The file's bytes: 26 lines, each ended by CR LF, numbers in decimal with a
// leading "-" when negative. A text that would not read back exactly (one
// with a line break, or a character CP932 cannot hold or holds only as a
// look-alike) is written as an empty line; the others are kept exactly.
QByteArray formatSettings(const SettingsRecord& record);

// The record as the program starts without a settings file.
SettingsRecord designedSettings();
